#include "sys/FileSelector.h"

#include "sys/basic_fnc.h"

namespace sys
{

FileSelector::FileSelector() : _filters{{"All files", "*.*"}} {}

void FileSelector::set_filter_list(const std::deque<Filter> &filters)
{
	_filters = filters;
	if (_filters.empty())
	{
		_filters.push_back({"All files", "*.*"});
	}
	set_active_filter(_active);
}

void FileSelector::set_active_filter(int index)
{
	_active = (index >= 0 && size_t(index) < _filters.size()) ? index : 0;
}

bool FileSelector::is_shown(const std::string &name, bool is_folder) const
{
	return is_folder || basic::test_filename(name.c_str(), _filters[size_t(_active)]._pattern.c_str());
}

std::string FileSelector::complete_extension(const std::string &path) const
{
	// Only the last part counts: a dot in a folder's name is no extension.
	const size_t slash = path.find_last_of("/\\");
	const std::string name = (slash == std::string::npos) ? path : path.substr(slash + 1);
	if (name.empty() || name.find('.') != std::string::npos)
	{
		return path;
	}
	const std::string &pattern = _filters[size_t(_active)]._pattern;
	// The first alternative's tail after its last "*"; "*.*" adds nothing.
	const std::string first = pattern.substr(0, pattern.find(','));
	const size_t star = first.find_last_of('*');
	const std::string ext = (star == std::string::npos) ? std::string() : first.substr(star + 1);
	if (ext.empty() || ext == "." || ext.find_first_of("*?") != std::string::npos)
	{
		return path;
	}
	return path + ext;
}

int FileSelector::select_file_for_opening(DialogHostInterface &host, DialogHostInterface::Done done)
{
	return host.run_file_selector(*this, false, std::move(done));
}

int FileSelector::select_file_for_saving(DialogHostInterface &host, DialogHostInterface::Done done)
{
	return host.run_file_selector(*this, true, [this, done = std::move(done)](int code) {
		if (code == 0)
		{
			_filename = complete_extension(_filename);
		}
		if (done)
		{
			done(code);
		}
	});
}

}  // namespace sys

// Choosing a file to open or to save, among the files a filter lets
// through. The dialog is shown by the editor's dialog host and answers
// through a callback; the file name is the full path.
#pragma once

#include "sys/DialogHostInterface.h"

#include <deque>
#include <string>

namespace sys
{

class FileSelector
{
public:
	struct Filter
	{
		// "*" any run of characters, "?" one; comma-separated alternatives.
		std::string _name;
		std::string _pattern;
	};

	FileSelector();

	void set_title(const std::string &title)
	{
		_title = title;
	}
	const std::string &get_title() const noexcept
	{
		return _title;
	}
	void set_filter_list(const std::deque<Filter> &filters);
	const std::deque<Filter> &get_filter_list() const noexcept
	{
		return _filters;
	}
	void set_active_filter(int index);
	int get_active_filter() const noexcept
	{
		return _active;
	}
	void set_filename(const std::string &name)
	{
		_filename = name;
	}
	const std::string &get_filename() const noexcept
	{
		return _filename;
	}

	// done(0) with the chosen file name set, non-zero when cancelled. In save
	// mode a name without an extension gets the active filter's. Returns 0
	// when the dialog opened.
	int select_file_for_opening(DialogHostInterface &host, DialogHostInterface::Done done);
	int select_file_for_saving(DialogHostInterface &host, DialogHostInterface::Done done);

	// Whether a file name passes the active filter (folders always do).
	bool is_shown(const std::string &name, bool is_folder) const;
	// The active filter's extension appended when the name after the last
	// "/" holds no dot ("*.cfg.txt" gives ".cfg.txt").
	std::string complete_extension(const std::string &path) const;

private:
	std::string _title;
	std::string _filename;
	std::deque<Filter> _filters;
	int _active = 0;
};

}  // namespace sys

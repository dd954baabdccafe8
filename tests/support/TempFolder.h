// A scratch folder for tests that write files, removed with what it holds.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport
{

class TempFolder
{
public:
	explicit TempFolder(const char *stem_0)
	{
		std::string tmpl = std::string("/tmp/") + stem_0 + "-XXXXXX";
		if (mkdtemp(&tmpl[0]) == nullptr)
		{
			throw std::runtime_error("cannot make a scratch folder");
		}
		_path = tmpl;
	}
	TempFolder(const TempFolder &) = delete;
	TempFolder &operator=(const TempFolder &) = delete;
	~TempFolder()
	{
		const std::string cmd = "rm -rf '" + _path + "'";
		if (std::system(cmd.c_str()) != 0)
		{
			// Left behind in /tmp; nothing else to do in a destructor.
		}
	}
	const std::string &get_path() const noexcept
	{
		return _path;
	}
	std::string path(const std::string &name) const
	{
		return _path + "/" + name;
	}
	// The names in a folder (this one by default), sorted.
	std::vector<std::string> list(const std::string &sub = "") const
	{
		std::vector<std::string> names;
		if (DIR *d = opendir(sub.empty() ? _path.c_str() : path(sub).c_str()))
		{
			while (dirent *e = readdir(d))
			{
				const std::string n = e->d_name;
				if (n != "." && n != "..")
				{
					names.push_back(n);
				}
			}
			closedir(d);
		}
		std::sort(names.begin(), names.end());
		return names;
	}

private:
	std::string _path;
};

}  // namespace testsupport

// File-name utilities.
#pragma once

#include <string>

namespace sys
{

class FileOp
{
public:
	static constexpr char FILE_DELIMITER = '/';

	// Whether the path names something that exists (links followed).
	static bool is_existing(const std::string &path);
	// The part after, and before, the last "/" or "\\".
	static std::string extract_filename(const std::string &path);
	static std::string extract_pathname(const std::string &path);
};

}  // namespace sys

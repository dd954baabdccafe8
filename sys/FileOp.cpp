#include "sys/FileOp.h"

#include <sys/stat.h>

namespace sys
{

bool FileOp::is_existing(const std::string &path)
{
	struct stat st;
	return !path.empty() && stat(path.c_str(), &st) == 0;
}

std::string FileOp::extract_filename(const std::string &path)
{
	const size_t pos = path.find_last_of("/\\");
	return (pos == std::string::npos) ? path : path.substr(pos + 1);
}

std::string FileOp::extract_pathname(const std::string &path)
{
	const size_t pos = path.find_last_of("/\\");
	return (pos == std::string::npos) ? std::string() : path.substr(0, pos);
}

}  // namespace sys

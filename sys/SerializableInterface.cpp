// Texts of the memory image failure codes.
#include "sys/SerializableInterface.h"

namespace basic
{

const char *SerializableInterface::get_err_txt(int err)
{
	switch (err)
	{
	case Err_OK: return "No error";
	case Err_TRUNCATED: return "Memory image shorter than announced";
	case Err_BAD_COUNT: return "Bad count in memory image header";
	case Err_BAD_NAME: return "Name not terminated within its field";
	case Err_BAD_STRIDE: return "Bank slot stride too small";
	case Err_MIXED_SIZES: return "Bank slots differ in size";
	case Err_BUF_TOO_SMALL: return "Buffer too small for memory image";
	default: return "Unknown error";
	}
}

}  // namespace basic

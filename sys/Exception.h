// The one exception type this code throws for a programming error; its text
// names the class and the operation ("ConfKeyMulti::use_key : Key doesn't exist.").
#pragma once

#include <stdexcept>

namespace basic
{

class Exception : public std::runtime_error
{
public:
	using std::runtime_error::runtime_error;
};

}  // namespace basic

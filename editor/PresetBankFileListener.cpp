#include "editor/PresetBankFileListener.h"

#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"

#include <cstdio>

namespace rivo
{

void PresetBankFileListener::show_error(const char *what_0, int code)
{
	char code_txt[32];
	std::snprintf(code_txt, sizeof(code_txt), "\n\nCode %d", code);
	sys::SimpleMessageBox::ask(*_host_ptr, "Error", std::string(what_0) + _sel.get_filename() + code_txt,
	                           sys::SimpleMessageBox::Type_OK, 0, nullptr);
}

}  // namespace rivo

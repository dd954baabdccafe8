// A question or a notice with one to two buttons, shown by the editor's
// dialog host; the index of the button pressed reaches the callback.
#pragma once

#include "sys/DialogHostInterface.h"

#include <functional>
#include <string>

namespace sys
{

class SimpleMessageBox
{
public:
	enum Type
	{
		// "Ok".
		Type_OK = 0,
		// "Ok", "Cancel".
		Type_OK_CANCEL = 1,
		// "Yes", "No".
		Type_YES_NO = 2
	};

	// The buttons of a type, empty for an unknown type.
	static int get_nbr_buttons(int type);
	static const char *get_button_text(int type, int index);

	// 0 when the box opened; -1 (and nothing shown, no callback) for an
	// unknown type. def: the button Enter presses.
	static int ask(DialogHostInterface &host, const std::string &title, const std::string &text, int type, int def,
	               DialogHostInterface::Done done);
	// Runs write at once for a new file; for an existing one, only once the
	// user answered "Ok" to "Conflict" (the default answer is "Cancel").
	static void ask_overwrite(DialogHostInterface &host, const std::string &path, std::function<void()> write);
};

}  // namespace sys

// Key presses on X11 turned into what the menu and the text entry take.
#pragma once

#include "gui/DialogView.h"
#include "gui/MenuView.h"
#include "gui/TextLineEdit.h"

#include <X11/Xlib.h>

#include <string>

namespace ruvava
{

class X11Keys
{
public:
	// False when the key is none of the menu's.
	static bool to_menu_key(XKeyEvent &ev, MenuView::Key &k);
	// An editing key, or (returning false) the characters the key types.
	static bool to_edit_key(XKeyEvent &ev, TextLineEdit::Key &k, std::string &chars);
	static bool to_dialog_key(XKeyEvent &ev, DialogView::Key &k, std::string &chars);
};

}  // namespace ruvava

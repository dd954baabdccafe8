#include "gui/x11/X11Keys.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace ruvava
{

bool X11Keys::to_menu_key(XKeyEvent &ev, MenuView::Key &k)
{
	switch (XLookupKeysym(&ev, 0))
	{
	case XK_Up:
		k = MenuView::Key_UP;
		return true;
	case XK_Down:
		k = MenuView::Key_DOWN;
		return true;
	case XK_Left:
		k = MenuView::Key_LEFT;
		return true;
	case XK_Right:
		k = MenuView::Key_RIGHT;
		return true;
	case XK_Return:
	case XK_KP_Enter:
	case XK_space:
		k = MenuView::Key_ENTER;
		return true;
	case XK_Escape:
		k = MenuView::Key_ESCAPE;
		return true;
	default:
		return false;
	}
}

bool X11Keys::to_edit_key(XKeyEvent &ev, TextLineEdit::Key &k, std::string &chars)
{
	char buf[16];
	KeySym sym = NoSymbol;
	const int n = XLookupString(&ev, buf, int(sizeof(buf)), &sym, nullptr);
	switch (sym)
	{
	case XK_Return:
	case XK_KP_Enter:
		k = TextLineEdit::Key_ENTER;
		return true;
	case XK_Escape:
		k = TextLineEdit::Key_ESCAPE;
		return true;
	case XK_BackSpace:
		k = TextLineEdit::Key_BACKSPACE;
		return true;
	case XK_Delete:
	case XK_KP_Delete:
		k = TextLineEdit::Key_DELETE;
		return true;
	case XK_Left:
	case XK_KP_Left:
		k = TextLineEdit::Key_LEFT;
		return true;
	case XK_Right:
	case XK_KP_Right:
		k = TextLineEdit::Key_RIGHT;
		return true;
	case XK_Home:
	case XK_KP_Home:
		k = TextLineEdit::Key_HOME;
		return true;
	case XK_End:
	case XK_KP_End:
		k = TextLineEdit::Key_END;
		return true;
	default:
		chars.assign(buf, size_t(n > 0 ? n : 0));
		return false;
	}
}

}  // namespace ruvava

namespace ruvava
{

bool X11Keys::to_dialog_key(XKeyEvent &ev, DialogView::Key &k, std::string &chars)
{
	char buf[16];
	KeySym sym = NoSymbol;
	const int n = XLookupString(&ev, buf, int(sizeof(buf)), &sym, nullptr);
	static const struct
	{
		KeySym _sym;
		DialogView::Key _key;
	} keys[] = {{XK_Up, DialogView::Key_UP},          {XK_KP_Up, DialogView::Key_UP},
	            {XK_Down, DialogView::Key_DOWN},      {XK_KP_Down, DialogView::Key_DOWN},
	            {XK_Left, DialogView::Key_LEFT},      {XK_KP_Left, DialogView::Key_LEFT},
	            {XK_Right, DialogView::Key_RIGHT},    {XK_KP_Right, DialogView::Key_RIGHT},
	            {XK_Home, DialogView::Key_HOME},      {XK_End, DialogView::Key_END},
	            {XK_BackSpace, DialogView::Key_BACKSPACE}, {XK_Delete, DialogView::Key_DELETE},
	            {XK_Return, DialogView::Key_ENTER},   {XK_KP_Enter, DialogView::Key_ENTER},
	            {XK_Escape, DialogView::Key_ESCAPE},  {XK_Tab, DialogView::Key_TAB}};
	for (const auto &e : keys)
	{
		if (sym == e._sym)
		{
			k = e._key;
			return true;
		}
	}
	chars.assign(buf, size_t(n > 0 ? n : 0));
	return false;
}

}  // namespace ruvava

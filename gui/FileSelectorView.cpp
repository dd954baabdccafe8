#include "gui/FileSelectorView.h"

#include "gui/DialogStyle.h"
#include "gui/FontInterface.h"
#include "gui/RenderingBufferMem.h"
#include "sys/FileOp.h"
#include "sys/FileSelector.h"
#include "sys/basic_fnc.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace ruvava
{

namespace
{

constexpr int32_t MARGIN = 10;
constexpr int32_t LINE_H = 22;
constexpr int32_t BUTTON_W = 84;
constexpr int32_t BUTTON_H = 24;

bool is_folder(const std::string &path)
{
	struct stat st;
	return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string home_folder()
{
	const char *home_0 = std::getenv("HOME");
	return (home_0 != nullptr && home_0[0] != '\0') ? home_0 : "/";
}

std::string join(const std::string &folder, const std::string &name)
{
	return (folder == "/") ? "/" + name : folder + "/" + name;
}

bool less_ci(const std::string &a, const std::string &b)
{
	return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
		return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
	});
}

}  // namespace

FileSelectorView::FileSelectorView(sys::FileSelector &sel, bool save_mode, const FontInterface &font, int scale)
: DialogView(font, scale), _sel(sel), _save_mode(save_mode)
{
	const std::string &start = sel.get_filename();
	const std::string dir = sys::FileOp::extract_pathname(start);
	go_to(is_folder(dir) ? dir : (is_folder(start) ? start : home_folder()));
	_name.start(is_folder(start) ? std::string() : sys::FileOp::extract_filename(start));
}

const std::string &FileSelectorView::get_title() const
{
	return _sel.get_title();
}

void FileSelectorView::go_to(const std::string &folder)
{
	std::string f = folder.empty() ? home_folder() : folder;
	if (f == "..")
	{
		f = sys::FileOp::extract_pathname(_folder);
		f = f.empty() ? "/" : f;
	}
	else if (f[0] == '~')
	{
		f = home_folder() + f.substr(1);
	}
	while (f.size() > 1 && f.back() == '/')
	{
		f.pop_back();
	}
	_folder = f;
	refresh();
}

void FileSelectorView::refresh()
{
	_entries.clear();
	_selected = -1;
	_top = 0;
	_message.clear();
	DIR *dir = opendir(_folder.c_str());
	if (dir == nullptr)
	{
		_message = "This folder cannot be read.";
		changed();
		return;
	}
	while (const dirent *e = readdir(dir))
	{
		const std::string name = e->d_name;
		if (name.empty() || name[0] == '.')
		{
			continue;
		}
		const bool folder = is_folder(join(_folder, name));
		if (_sel.is_shown(name, folder))
		{
			_entries.push_back({name, folder});
		}
	}
	closedir(dir);
	std::sort(_entries.begin(), _entries.end(), [](const Entry &a, const Entry &b) {
		return (a._folder != b._folder) ? a._folder : less_ci(a._name, b._name);
	});
	changed();
}

int FileSelectorView::nbr_visible_rows() const
{
	// From under the folder's line down to the name field.
	const int32_t top = MARGIN + LINE_H + MARGIN / 2;
	const int32_t name_y = H - MARGIN - BUTTON_H - MARGIN - 2 * LINE_H;
	return (name_y - MARGIN - top) / ROW_H;
}

Rect FileSelectorView::get_parent_box() const
{
	return Rect(px(W - MARGIN - 60), px(MARGIN), px(W - MARGIN), px(MARGIN + LINE_H - 2));
}

Rect FileSelectorView::get_home_box() const
{
	return Rect(px(W - MARGIN - 126), px(MARGIN), px(W - MARGIN - 66), px(MARGIN + LINE_H - 2));
}

Rect FileSelectorView::get_row_box(int index) const
{
	const int32_t y = MARGIN + LINE_H + MARGIN / 2 + (index - _top) * ROW_H;
	return Rect(px(MARGIN), px(y), px(W - MARGIN), px(y + ROW_H));
}

Rect FileSelectorView::get_filter_box() const
{
	const int32_t y = H - MARGIN - BUTTON_H - MARGIN - LINE_H;
	return Rect(px(MARGIN), px(y), px(W - MARGIN), px(y + LINE_H - 2));
}

Rect FileSelectorView::get_ok_box() const
{
	return Rect(px(W - MARGIN - 2 * BUTTON_W - 8), px(H - MARGIN - BUTTON_H), px(W - MARGIN - BUTTON_W - 8),
	            px(H - MARGIN));
}

Rect FileSelectorView::get_cancel_box() const
{
	return Rect(px(W - MARGIN - BUTTON_W), px(H - MARGIN - BUTTON_H), px(W - MARGIN), px(H - MARGIN));
}

void FileSelectorView::render(RenderingBufferInterface &buf) const
{
	const int32_t w = px(W);
	buf.fill_rect(0, 0, w, px(H), DialogStyle::BACK);
	const FontInterface &f = _font;
	f.print_in(buf, _folder, Rect(px(MARGIN), px(MARGIN), px(W - MARGIN - 132), px(MARGIN + LINE_H - 2)),
	           DialogStyle::DIM_TEXT, 0);
	const auto button = [&](const Rect &b, const char *label, bool focus) {
		buf.fill_rect(b._x0, b._y0, b._x1, b._y1, focus ? DialogStyle::FOCUS : DialogStyle::BUTTON_EDGE);
		buf.fill_rect(b._x0 + _scale, b._y0 + _scale, b._x1 - _scale, b._y1 - _scale,
		              focus ? DialogStyle::FOCUS : DialogStyle::BUTTON);
		f.print_in(buf, label, b, focus ? DialogStyle::FOCUS_TEXT : DialogStyle::TEXT, 1);
	};
	button(get_home_box(), "Home", false);
	button(get_parent_box(), "Up", false);

	// The list, on white.
	const Rect first = get_row_box(_top);
	const int rows = nbr_visible_rows();
	buf.fill_rect(first._x0, first._y0, first._x1, first._y0 + px(rows * ROW_H), DialogStyle::FIELD);
	for (int i = _top; i < int(_entries.size()) && i < _top + rows; ++i)
	{
		const Rect r = get_row_box(i);
		if (i == _selected)
		{
			buf.fill_rect(r._x0, r._y0, r._x1, r._y1, DialogStyle::SELECTION);
		}
		const Entry &e = _entries[size_t(i)];
		f.print_in(buf, e._folder ? e._name + "/" : e._name, Rect(r._x0 + px(6), r._y0, r._x1, r._y1),
		           e._folder ? DialogStyle::FOCUS : DialogStyle::TEXT, 0);
	}
	if (!_message.empty())
	{
		f.print_in(buf, _message, Rect(first._x0 + px(6), first._y0, first._x1, first._y0 + px(ROW_H)),
		           DialogStyle::ERROR_TEXT, 0);
	}

	// The name field, the filter, the buttons.
	const Rect fb = get_filter_box();
	const int32_t name_y = fb._y0 - px(LINE_H);
	f.print_in(buf, "Name:", Rect(px(MARGIN), name_y, px(MARGIN + 60), name_y + px(LINE_H - 2)), DialogStyle::TEXT,
	           0);
	RenderingBufferMem field(Coord2D(w - px(2 * MARGIN + 62), px(LINE_H - 2)));
	_name.render(field, f, _scale);
	for (int32_t y = 0; y < field.get_size()._y; ++y)
	{
		for (int32_t x = 0; x < field.get_size()._x; ++x)
		{
			const AlphaRGB &p = field.at(x, y);
			buf.fill_rect(px(MARGIN + 62) + x, name_y + y, px(MARGIN + 62) + x + 1, name_y + y + 1, p.to_long());
		}
	}
	const auto &filters = _sel.get_filter_list();
	f.print_in(buf, "Type: " + filters[size_t(_sel.get_active_filter())]._name + "  (click to change)", fb,
	           DialogStyle::DIM_TEXT, 0);
	button(get_ok_box(), _save_mode ? "Save" : "Open", true);
	button(get_cancel_box(), "Cancel", false);
}

void FileSelectorView::select(int index)
{
	if (index < 0 || index >= int(_entries.size()))
	{
		return;
	}
	_selected = index;
	const int rows = nbr_visible_rows();
	_top = std::clamp(_top, std::max(index - rows + 1, 0), index);
	if (!_entries[size_t(index)]._folder)
	{
		_name.start(_entries[size_t(index)]._name);
	}
	changed();
}

std::string FileSelectorView::resolve(const std::string &typed) const
{
	if (typed[0] == '/')
	{
		return typed;
	}
	if (typed[0] == '~')
	{
		return home_folder() + typed.substr(1);
	}
	return join(_folder, typed);
}

void FileSelectorView::choose(const std::string &path)
{
	if (!_save_mode && !sys::FileOp::is_existing(path))
	{
		_message = "No such file: " + sys::FileOp::extract_filename(path);
		changed();
		return;
	}
	_sel.set_filename(path);
	finish(0);
}

void FileSelectorView::accept()
{
	const std::string typed = _name.get_text();
	const bool typed_is_selection =
	    _selected >= 0 && !_entries[size_t(_selected)]._folder && typed == _entries[size_t(_selected)]._name;
	if (!typed.empty() && !typed_is_selection)
	{
		const std::string path = resolve(typed);
		if (is_folder(path))
		{
			_name.start(std::string());
			go_to(path);
			return;
		}
		choose(path);
		return;
	}
	if (_selected < 0)
	{
		return;
	}
	const Entry &e = _entries[size_t(_selected)];
	if (e._folder)
	{
		go_to(join(_folder, e._name));
	}
	else
	{
		choose(join(_folder, e._name));
	}
}

void FileSelectorView::press(const Coord2D &p)
{
	if (is_done())
	{
		return;
	}
	if (get_cancel_box().contains(p))
	{
		finish(1);
		return;
	}
	if (get_ok_box().contains(p))
	{
		accept();
		return;
	}
	if (get_parent_box().contains(p))
	{
		go_to("..");
		return;
	}
	if (get_home_box().contains(p))
	{
		go_to("~");
		return;
	}
	if (get_filter_box().contains(p))
	{
		const int n = int(_sel.get_filter_list().size());
		_sel.set_active_filter((_sel.get_active_filter() + 1) % n);
		refresh();
		return;
	}
	for (int i = _top; i < int(_entries.size()) && i < _top + nbr_visible_rows(); ++i)
	{
		if (get_row_box(i).contains(p))
		{
			// A second click on the chosen row opens it.
			if (i == _selected)
			{
				_name.start(_entries[size_t(i)]._folder ? std::string() : _entries[size_t(i)]._name);
				accept();
			}
			else
			{
				select(i);
			}
			return;
		}
	}
}

void FileSelectorView::key(Key k)
{
	if (is_done())
	{
		return;
	}
	switch (k)
	{
	case Key_ESCAPE:
		finish(1);
		break;
	case Key_ENTER:
		accept();
		break;
	case Key_UP:
		select((_selected < 0) ? int(_entries.size()) - 1 : std::max(_selected - 1, 0));
		break;
	case Key_DOWN:
		select((_selected < 0) ? 0 : std::min(_selected + 1, int(_entries.size()) - 1));
		break;
	case Key_BACKSPACE:
		if (_name.get_text().empty())
		{
			go_to("..");
		}
		else
		{
			_name.key(TextLineEdit::Key_BACKSPACE);
			changed();
		}
		break;
	case Key_LEFT:
	case Key_RIGHT:
	case Key_HOME:
	case Key_END:
	case Key_DELETE:
	{
		static const TextLineEdit::Key map[] = {TextLineEdit::Key_LEFT, TextLineEdit::Key_RIGHT,
		                                        TextLineEdit::Key_HOME, TextLineEdit::Key_END,
		                                        TextLineEdit::Key_DELETE};
		const int i = (k == Key_LEFT) ? 0 : (k == Key_RIGHT) ? 1 : (k == Key_HOME) ? 2 : (k == Key_END) ? 3 : 4;
		_name.key(map[i]);
		changed();
		break;
	}
	default:
		break;
	}
}

void FileSelectorView::type(const std::string &chars)
{
	if (!is_done())
	{
		_name.type(chars);
		changed();
	}
}

}  // namespace ruvava

// The file selector's dialog: the folder's sub-folders and the files its
// active filter lets through, a name field, the filter, and buttons. Works
// with the keyboard: arrows pick, Enter opens a folder or takes the file,
// Backspace edits the name or, when it is empty, goes up; Escape cancels.
#pragma once

#include "gui/DialogView.h"
#include "gui/Rect.h"
#include "gui/TextLineEdit.h"

#include <string>
#include <vector>

namespace sys
{
class FileSelector;
}

namespace ruvava
{

class FileSelectorView : public DialogView
{
public:
	// Result 0: the selector's file name holds the chosen path; 1: cancelled.
	FileSelectorView(sys::FileSelector &sel, bool save_mode, const FontInterface &font, int scale);

	const std::string &get_title() const override;
	Coord2D get_size() const override
	{
		return Coord2D(px(W), px(H));
	}
	void render(RenderingBufferInterface &buf) const override;
	void press(const Coord2D &p) override;
	void key(Key k) override;
	void type(const std::string &chars) override;

	struct Entry
	{
		std::string _name;
		bool _folder;
	};
	const std::string &get_folder() const noexcept
	{
		return _folder;
	}
	const std::vector<Entry> &use_entries() const noexcept
	{
		return _entries;
	}
	int get_selected() const noexcept
	{
		return _selected;
	}
	const std::string &get_name() const noexcept
	{
		return _name.get_text();
	}
	// A note under the list ("This folder cannot be read", ...), or empty.
	const std::string &get_message() const noexcept
	{
		return _message;
	}
	// Where things are, for tests and pointer input.
	Rect get_row_box(int index) const;
	Rect get_ok_box() const;
	Rect get_cancel_box() const;
	Rect get_parent_box() const;
	Rect get_home_box() const;
	Rect get_filter_box() const;

	// Lists a folder (its parent for "..", the home folder for "~").
	void go_to(const std::string &folder);

private:
	static constexpr int32_t W = 480;
	static constexpr int32_t H = 340;
	static constexpr int32_t ROW_H = 18;

	void refresh();
	void select(int index);
	// Enter: a typed name first, else the selected entry.
	void accept();
	void choose(const std::string &path);
	std::string resolve(const std::string &typed) const;
	int nbr_visible_rows() const;

	sys::FileSelector &_sel;
	bool _save_mode;
	std::string _folder;
	std::vector<Entry> _entries;
	int _selected = -1;
	int _top = 0;
	TextLineEdit _name;
	std::string _message;
};

}  // namespace ruvava

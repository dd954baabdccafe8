// The window the toolkit draws in: two trees of nodes, a rendering buffer
// in which every redraw is composed tile by tile, timers, mouse capture,
// the pop-up menu and the text line editor. Layout, hit tests and messages
// use window units; the buffer and the pictures hold scale x scale device
// pixels per unit.
#pragma once

#include "gui/MessageHandlerInterface.h"
#include "gui/MouseCapture.h"
#include "gui/Rect.h"

#include <map>
#include <memory>

namespace ruvava
{

class BackgroundNodeInterface;
class CtrlGroupNodeInterface;
class FontInterface;
class Menu;
class RenderingBufferInterface;
class TextLineEditorInterface;

class WindowInterface : public MessageHandlerInterface
{
public:
	explicit WindowInterface(const Coord2D &size);
	~WindowInterface() override;
	WindowInterface(const WindowInterface &) = delete;
	WindowInterface &operator=(const WindowInterface &) = delete;

	int32_t send_message(MessageInterface &m) override = 0;
	// 0 when the window opened inside the parent; the trees are then told
	// they are shown.
	int open(void *parent_ptr);
	// Hides the trees, then closes.
	void close();
	// Composes the zone tile by tile, backgrounds first, and shows each tile.
	void split_redraw(const Rect &r);

	void capture_mouse(MessageHandlerInterface &h, MouseCapture::TrackingType type, const Coord2D *origin_ptr);
	// The former capturer is told it lost the mouse.
	void release_mouse();
	void set_timer(int32_t id, MessageHandlerInterface &h);
	// 0 after erasing, -1 for an unknown id.
	int clear_timer(int32_t id);
	MessageHandlerInterface *get_component_with_timer_id(int32_t id) const;
	const std::map<int32_t, MessageHandlerInterface *> &get_timer_list() const noexcept
	{
		return _timers;
	}

	// Not owned; the window becomes the root's father.
	void set_ctrl_group_root(CtrlGroupNodeInterface *root_ptr);
	void set_background_root(BackgroundNodeInterface *root_ptr);

	CtrlGroupNodeInterface *use_ctrl_root() const noexcept
	{
		return _ctrl_root_ptr;
	}
	BackgroundNodeInterface *use_background_root() const noexcept
	{
		return _bkg_root_ptr;
	}

	void set_size(const Coord2D &size);
	const Coord2D &get_size() const noexcept
	{
		return _size;
	}
	void set_max_size(const Coord2D &size) noexcept
	{
		_max_size = size;
	}
	const Coord2D &get_max_size() const noexcept
	{
		return _max_size;
	}
	void set_resize_flag(bool flag) noexcept
	{
		_resize_flag = flag;
	}
	bool can_resize() const noexcept
	{
		return _resize_flag;
	}
	// Device pixels per window unit (1 or 2); set before opening.
	void set_scale(int scale) noexcept
	{
		_scale = (scale == 2) ? 2 : 1;
	}
	int get_scale() const noexcept
	{
		return _scale;
	}
	// The font menus and the text line editor draw with, at the window's
	// scale; not owned.
	void set_sys_font(const FontInterface *font_ptr) noexcept
	{
		_sys_font_ptr = font_ptr;
	}
	const FontInterface *use_sys_font() const noexcept
	{
		return _sys_font_ptr;
	}

	// Owned.
	void set_rd_buf(RenderingBufferInterface *buf_ptr);
	RenderingBufferInterface *get_rd_buf() const noexcept
	{
		return _rd_buf.get();
	}
	void set_menu(Menu *menu_ptr);
	Menu *use_menu() const noexcept
	{
		return _menu.get();
	}
	void set_text_line_editor(TextLineEditorInterface *editor_ptr);
	TextLineEditorInterface *use_text_line_editor() const noexcept
	{
		return _text_editor.get();
	}
	// Called by the text line editor when it closes: the target hears
	// TextInputFinished.
	void text_line_editor_finished();

	MessageHandlerInterface *get_mouse_capturer() const noexcept
	{
		return _capturer_ptr;
	}
	MouseCapture::TrackingType get_capture_type() const noexcept
	{
		return _capture_type;
	}
	const Coord2D &get_org_mouse_pos() const noexcept
	{
		return _org_mouse_pos;
	}

protected:
	virtual int do_open(void *parent_ptr) = 0;
	virtual void do_close() = 0;
	virtual void resize() {}
	// The owned objects go before the derived window does.
	void delete_owned();
	// Every timer stops at once (the window's view is going).
	void forget_timers() noexcept
	{
		_timers.clear();
	}
	// A window being destroyed tells nobody: the trees and the capturer may
	// already be gone.
	void forget_trees() noexcept;

private:
	bool _resize_flag = false;
	Coord2D _size;
	Coord2D _max_size;
	int _scale = 1;
	std::unique_ptr<RenderingBufferInterface> _rd_buf;
	BackgroundNodeInterface *_bkg_root_ptr = nullptr;
	CtrlGroupNodeInterface *_ctrl_root_ptr = nullptr;
	std::map<int32_t, MessageHandlerInterface *> _timers;
	MessageHandlerInterface *_capturer_ptr = nullptr;
	MouseCapture::TrackingType _capture_type = MouseCapture::TrackingType_NORMAL;
	Coord2D _org_mouse_pos;
	std::unique_ptr<TextLineEditorInterface> _text_editor;
	std::unique_ptr<Menu> _menu;
	const FontInterface *_sys_font_ptr = nullptr;
};

}  // namespace ruvava

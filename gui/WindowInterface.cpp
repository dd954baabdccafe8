#include "gui/WindowInterface.h"

#include "gui/BackgroundNodeInterface.h"
#include "gui/CtrlGroupNodeInterface.h"
#include "gui/Menu.h"
#include "gui/MouseCaptureLost.h"
#include "gui/Redraw.h"
#include "gui/RenderingBufferInterface.h"
#include "gui/ShowObject.h"
#include "gui/TextInputFinished.h"
#include "gui/TextLineEditorInterface.h"

#include <algorithm>

namespace ruvava
{

WindowInterface::WindowInterface(const Coord2D &size) : _size(size), _max_size(size) {}

WindowInterface::~WindowInterface() = default;

void WindowInterface::delete_owned()
{
	_menu.reset();
	_text_editor.reset();
	_rd_buf.reset();
}

void WindowInterface::forget_trees() noexcept
{
	_bkg_root_ptr = nullptr;
	_ctrl_root_ptr = nullptr;
	_capturer_ptr = nullptr;
	_timers.clear();
}

int WindowInterface::open(void *parent_ptr)
{
	const int ret = do_open(parent_ptr);
	if (ret == 0)
	{
		ShowObject show(MessageDown::BROADCAST, true);
		if (_bkg_root_ptr != nullptr)
		{
			_bkg_root_ptr->send_message(show);
		}
		if (_ctrl_root_ptr != nullptr)
		{
			_ctrl_root_ptr->send_message(show);
		}
	}
	return ret;
}

void WindowInterface::close()
{
	ShowObject hide(MessageDown::BROADCAST, false);
	if (_ctrl_root_ptr != nullptr)
	{
		_ctrl_root_ptr->send_message(hide);
	}
	if (_bkg_root_ptr != nullptr)
	{
		_bkg_root_ptr->send_message(hide);
	}
	do_close();
}

void WindowInterface::split_redraw(const Rect &r)
{
	if (_rd_buf == nullptr)
	{
		return;
	}
	const Coord2D &buf_size = _rd_buf->get_size();
	const int32_t tile_w = std::max(buf_size._x / _scale, int32_t(1));
	const int32_t tile_h = std::max(buf_size._y / _scale, int32_t(1));
	for (int32_t x = r._x0; x < r._x1; x += tile_w)
	{
		for (int32_t y = r._y0; y < r._y1; y += tile_h)
		{
			const Rect tile(x, y, std::min(x + tile_w, r._x1), std::min(y + tile_h, r._y1));
			if (_bkg_root_ptr != nullptr)
			{
				Redraw redraw(*_rd_buf, tile, _scale);
				_bkg_root_ptr->send_message(redraw);
			}
			if (_ctrl_root_ptr != nullptr)
			{
				Redraw redraw(*_rd_buf, tile, _scale);
				_ctrl_root_ptr->send_message(redraw);
			}
			_rd_buf->blit(Coord2D(tile._x0 * _scale, tile._y0 * _scale),
			              Coord2D(tile.width() * _scale, tile.height() * _scale));
		}
	}
}

void WindowInterface::capture_mouse(MessageHandlerInterface &h, MouseCapture::TrackingType type,
                                    const Coord2D *origin_ptr)
{
	// Capturing again changes only how the pointer is tracked.
	if (_capturer_ptr != &h)
	{
		release_mouse();
	}
	_capturer_ptr = &h;
	_capture_type = type;
	_org_mouse_pos = (type == MouseCapture::TrackingType_RELATIVE && origin_ptr != nullptr) ? *origin_ptr : Coord2D();
}

void WindowInterface::release_mouse()
{
	if (_capturer_ptr != nullptr)
	{
		MessageHandlerInterface &former = *_capturer_ptr;
		_capturer_ptr = nullptr;
		MouseCaptureLost lost(Rect(0, 0, 0, 0));
		former.send_message(lost);
	}
}

void WindowInterface::set_timer(int32_t id, MessageHandlerInterface &h)
{
	_timers[id] = &h;
}

int WindowInterface::clear_timer(int32_t id)
{
	return (_timers.erase(id) > 0) ? 0 : -1;
}

MessageHandlerInterface *WindowInterface::get_component_with_timer_id(int32_t id) const
{
	const auto it = _timers.find(id);
	return (it == _timers.end()) ? nullptr : it->second;
}

void WindowInterface::set_ctrl_group_root(CtrlGroupNodeInterface *root_ptr)
{
	_ctrl_root_ptr = root_ptr;
	if (root_ptr != nullptr)
	{
		root_ptr->set_father(this);
	}
}

void WindowInterface::set_background_root(BackgroundNodeInterface *root_ptr)
{
	_bkg_root_ptr = root_ptr;
	if (root_ptr != nullptr)
	{
		root_ptr->set_father(this);
	}
}

void WindowInterface::set_size(const Coord2D &size)
{
	_size = size;
	resize();
}

void WindowInterface::set_rd_buf(RenderingBufferInterface *buf_ptr)
{
	_rd_buf.reset(buf_ptr);
}

void WindowInterface::set_menu(Menu *menu_ptr)
{
	_menu.reset(menu_ptr);
}

void WindowInterface::set_text_line_editor(TextLineEditorInterface *editor_ptr)
{
	_text_editor.reset(editor_ptr);
}

void WindowInterface::text_line_editor_finished()
{
	if (_ctrl_root_ptr == nullptr || _text_editor == nullptr || _text_editor->get_target() == nullptr)
	{
		return;
	}
	TextInputFinished finished(_text_editor->get_text(), _text_editor->is_validated());
	_text_editor->get_target()->send_message(finished);
}

}  // namespace ruvava

// What the toolkit tests share: a clock the test moves, solid pictures,
// a control that records what reaches it, and a listener that records values.
#pragma once

#include "gui/ControlInterface.h"
#include "gui/DefaultEventListener.h"
#include "gui/MouseClick.h"
#include "gui/MouseMove.h"
#include "gui/Notify.h"
#include "gui/PicData24.h"
#include "gui/Picture.h"
#include "gui/Redraw.h"
#include "sys/sys_fnc.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace testsupport
{

// sys::get_time_stamp reads this while a FakeClock lives.
class FakeClock
{
public:
	FakeClock()
	{
		now() = 100.0;
		sys::set_time_stamp_source([] { return now(); });
	}
	~FakeClock()
	{
		sys::set_time_stamp_source(nullptr);
	}
	static double &now()
	{
		static double t = 0;
		return t;
	}
	void advance(double dt)
	{
		now() += dt;
	}
};

// Opaque pictures of one colour, kept for the whole test run.
inline ruvava::Picture solid_picture(int32_t w, int32_t h, long rgb, ruvava::Coord2D hot = ruvava::Coord2D())
{
	static std::deque<std::vector<ruvava::AlphaRGB>> pixels;
	static std::deque<std::unique_ptr<ruvava::PicData24>> datas;
	pixels.emplace_back(size_t(w) * size_t(h), ruvava::AlphaRGB::from_long(rgb));
	datas.emplace_back(new ruvava::PicData24(ruvava::Coord2D(w, h), pixels.back().data()));
	ruvava::Picture pic(datas.back().get());
	pic.set_hot(hot);
	return pic;
}

// Records every value and custom event it hears; can refuse changes.
class RecordingListener : public ruvava::DefaultEventListener
{
public:
	double change_num_val(double val, int prio) override
	{
		_values.push_back(val);
		_prios.push_back(prio);
		return ruvava::DefaultEventListener::change_num_val(val, prio);
	}
	bool can_num_val_be_changed(int) override
	{
		return _accept;
	}
	void send_custom_event(long id, void *) override
	{
		_events.push_back(id);
	}
	void activate() override
	{
		++_activations;
	}

	std::vector<double> _values;
	std::vector<int> _prios;
	std::vector<long> _events;
	int _activations = 0;
	bool _accept = true;
};

// A control that keeps a log of the messages it receives and draws its box
// in one colour.
class ProbeControl : public ruvava::ControlInterface
{
public:
	ProbeControl(const std::string &name, const ruvava::Rect &box, std::vector<std::string> &log, long rgb = 0)
	: _name(name), _log(log), _rgb(rgb)
	{
		set_box(box);
	}
	int32_t mouse_click(ruvava::MouseClick &m) override
	{
		_log.push_back(_name + ":click:" + std::to_string(m.get_state()) + ":" + std::to_string(m.get_dbl_click_state()));
		return 0;
	}
	int32_t mouse_move(ruvava::MouseMove &m) override
	{
		_log.push_back(_name + ":move:" + std::to_string(m.get_pos()._x) + "," + std::to_string(m.get_pos()._y));
		return 0;
	}
	int32_t mouse_capture_lost(ruvava::MouseCaptureLost &) override
	{
		_log.push_back(_name + ":lost");
		return 0;
	}
	// Paints its box, clipped to the tile, in device pixels.
	int32_t redraw(ruvava::Redraw &m) override
	{
		const ruvava::Rect &d = m.get_dest_rect();
		const ruvava::Rect r = (get_box() + get_coord()).intersect(d) - ruvava::Coord2D(d._x0, d._y0);
		const int s = m.get_scale();
		m.use_buffer().fill_rect(r._x0 * s, r._y0 * s, r._x1 * s, r._y1 * s, _rgb);
		_log.push_back(_name + ":redraw");
		return 0;
	}
	int32_t notify(ruvava::Notify &m) override
	{
		_log.push_back(_name + ":notify:" + std::to_string(m.get_id()));
		return 0;
	}

	std::string _name;
	std::vector<std::string> &_log;
	long _rgb;
};

}  // namespace testsupport

// The whole editor composed from its pictures: backgrounds, every control at
// a middle value and the text boxes, with the toolkit's picture classes; and
// the X11 window putting an editor-sized picture on a virtual X server.
#include <benchmark/benchmark.h>

#include "gui/BackgroundItem.h"
#include "gui/Invalidate.h"
#include "gui/PicData24.h"
#include "gui/x11/WindowX11.h"
#include "host/Vst2Interface.h"
#include "support/XvfbServer.h"
#include "tools/art/EditorMockup.h"

#include <X11/Xlib.h>

#include <cmath>
#include <cstdint>
#include <vector>
#include <cstdlib>
#include <dlfcn.h>

namespace
{

void compose(benchmark::State &state, int scale)
{
	art::EditorMockup m(TARVELLE_ART_DIR, scale);
	if (!m.read(TARVELLE_PICTURE_TABLE, TARVELLE_PANEL_LAYOUT) || !m.compose())
	{
		state.SkipWithError("the editor's pictures are missing");
		return;
	}
	for (auto _ : state)
	{
		m.compose();
		benchmark::DoNotOptimize(m.use_buffer().get_size());
	}
}

void BM_Gui_compose_1x(benchmark::State &state)
{
	compose(state, 1);
}

void BM_Gui_compose_2x(benchmark::State &state)
{
	compose(state, 2);
}

// The editor's window inside a parent of its own, showing the composed mock-up.
class X11Editor
{
public:
	explicit X11Editor(int scale) : _mockup(TARVELLE_ART_DIR, scale), _win(ruvava::Coord2D(601, 563), scale)
	{
		_dpy = XOpenDisplay(nullptr);
		if (_dpy == nullptr || !_mockup.read(TARVELLE_PICTURE_TABLE, TARVELLE_PANEL_LAYOUT) || !_mockup.compose())
		{
			return;
		}
		const ruvava::Coord2D &size = _mockup.use_buffer().get_size();
		_data.reset(new ruvava::PicData24(size, &_mockup.use_buffer().at(0, 0)));
		_bkg.set_picture(ruvava::Picture(_data.get()));
		_win.set_background_root(&_bkg);
		_parent = XCreateSimpleWindow(_dpy, DefaultRootWindow(_dpy), 0, 0, unsigned(size._x), unsigned(size._y), 0, 0, 0);
		XMapWindow(_dpy, _parent);
		XSync(_dpy, False);
		_ok = (_win.open(reinterpret_cast<void *>(uintptr_t(_parent))) == 0);
		_win.pump();
	}
	~X11Editor()
	{
		_win.close();
		if (_dpy != nullptr)
		{
			XCloseDisplay(_dpy);
		}
	}
	bool ok() const
	{
		return _ok;
	}
	ruvava::WindowX11 &win()
	{
		return _win;
	}

private:
	art::EditorMockup _mockup;
	ruvava::WindowX11 _win;
	Display *_dpy = nullptr;
	Window _parent = 0;
	std::unique_ptr<ruvava::PicData24> _data;
	ruvava::BackgroundItem _bkg;
	bool _ok = false;
};

testsupport::XvfbServer &server()
{
	static testsupport::XvfbServer xvfb;
	return xvfb;
}

// Everything invalidated, then one pump: composed, put and synchronised with the server.
void x11_full_redraw(benchmark::State &state, int scale)
{
	server();
	X11Editor ed(scale);
	if (!ed.ok())
	{
		state.SkipWithError("no X display for the window");
		return;
	}
	for (auto _ : state)
	{
		ruvava::Invalidate all(0, 0, 601, 563);
		ed.win().send_message(all);
		ed.win().pump();
	}
}

void BM_Gui_x11_full_redraw_1x(benchmark::State &state)
{
	x11_full_redraw(state, 1);
}

void BM_Gui_x11_full_redraw_2x(benchmark::State &state)
{
	x11_full_redraw(state, 2);
}

// A host's idle call when nothing happened.
void BM_Gui_x11_idle_pump(benchmark::State &state)
{
	server();
	X11Editor ed(1);
	if (!ed.ok())
	{
		state.SkipWithError("no X display for the window");
		return;
	}
	for (auto _ : state)
	{
		ed.win().pump();
	}
}

}  // namespace

BENCHMARK(BM_Gui_x11_full_redraw_1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gui_x11_full_redraw_2x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gui_x11_idle_pump)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gui_compose_1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gui_compose_2x)->Unit(benchmark::kMillisecond);

// The editor through the plug-in file, as a host drives it.
namespace
{

VstIntPtr quiet_host(AEffect *, VstInt32 opcode, VstInt32, VstIntPtr, void *, float)
{
	return (opcode == audioMasterVersion) ? 2400 : 0;
}

class HostedEditor
{
public:
	HostedEditor()
	{
		server();
		setenv("TARVELLE_SCALE", "1", 1);
		_lib = dlopen(TARVELLE_SO, RTLD_NOW | RTLD_LOCAL);
		auto entry = (_lib != nullptr) ? reinterpret_cast<AEffect *(*)(audioMasterCallback)>(dlsym(_lib, "VSTPluginMain"))
		                               : nullptr;
		_fx = (entry != nullptr) ? entry(&quiet_host) : nullptr;
		_dpy = XOpenDisplay(nullptr);
		if (_fx == nullptr || _dpy == nullptr)
		{
			return;
		}
		_parent = XCreateSimpleWindow(_dpy, DefaultRootWindow(_dpy), 0, 0, 601, 563, 0, 0, 0);
		XMapWindow(_dpy, _parent);
		XSync(_dpy, False);
	}
	~HostedEditor()
	{
		if (_fx != nullptr)
		{
			_fx->dispatcher(_fx, effClose, 0, 0, nullptr, 0);
		}
		if (_dpy != nullptr)
		{
			XCloseDisplay(_dpy);
		}
	}
	bool ok() const
	{
		return _fx != nullptr && _dpy != nullptr;
	}
	VstIntPtr dispatch(VstInt32 opcode, void *ptr = nullptr)
	{
		return _fx->dispatcher(_fx, opcode, 0, 0, ptr, 0);
	}
	void *parent() const
	{
		return reinterpret_cast<void *>(uintptr_t(_parent));
	}
	AEffect *fx() const
	{
		return _fx;
	}

private:
	void *_lib = nullptr;
	AEffect *_fx = nullptr;
	Display *_dpy = nullptr;
	Window _parent = 0;
};

// An idle call with the editor open and nothing moving.
void BM_Editor_idle_at_rest(benchmark::State &state)
{
	HostedEditor ed;
	if (!ed.ok() || ed.dispatch(effEditOpen, ed.parent()) != 1)
	{
		state.SkipWithError("no editor");
		return;
	}
	for (int i = 0; i < 20; ++i)
	{
		ed.dispatch(effEditIdle);
	}
	for (auto _ : state)
	{
		ed.dispatch(effEditIdle);
	}
	ed.dispatch(effEditClose);
}

// An idle call at 25 Hz while the host automates parameters: the 26 that
// carry an LFO (argument 26), or every one (123); their controls move and
// redraw. core_pct is the share of one core these calls take at 25 Hz.
void BM_Editor_idle_host_moving(benchmark::State &state)
{
	std::vector<int> moving;
	for (int i = 0; i < 123; ++i)
	{
		const int k = (i < 11) ? -1 : (i - 11) % 28;
		const bool has_lfo = i == 3 || i == 7 || k == 1 || k == 7 || k == 11 || k == 15 || k == 19 || k == 23;
		if (state.range(0) > 26 || has_lfo)
		{
			moving.push_back(i);
		}
	}
	HostedEditor ed;
	if (!ed.ok() || ed.dispatch(effEditOpen, ed.parent()) != 1)
	{
		state.SkipWithError("no editor");
		return;
	}
	AEffect *fx = ed.fx();
	double phase = 0;
	for (auto _ : state)
	{
		state.PauseTiming();
		phase += 0.04;
		for (const int i : moving)
		{
			fx->setParameter(fx, i, float(0.5 + 0.45 * std::sin(phase + i)));
		}
		state.ResumeTiming();
		ed.dispatch(effEditIdle);
	}
	state.counters["core_pct"] = benchmark::Counter(1.0 / (25.0 * 100), benchmark::Counter::kIsIterationInvariantRate |
	                                                                  benchmark::Counter::kInvert);
	ed.dispatch(effEditClose);
}

// Opening the editor (pictures loaded the first time) and its first full idle.
void BM_Editor_open_and_first_idle(benchmark::State &state)
{
	for (auto _ : state)
	{
		HostedEditor ed;
		if (!ed.ok())
		{
			state.SkipWithError("no editor");
			return;
		}
		ed.dispatch(effEditOpen, ed.parent());
		ed.dispatch(effEditIdle);
		ed.dispatch(effEditClose);
	}
}

}  // namespace

BENCHMARK(BM_Editor_idle_host_moving)->Arg(26)->Arg(123)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Editor_idle_at_rest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Editor_open_and_first_idle)->Unit(benchmark::kMillisecond)->Iterations(5);

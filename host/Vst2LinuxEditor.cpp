#include "host/Vst2LinuxEditor.h"

#include "gui/x11/WindowX11.h"
#include "params/GuiInterface.h"
#include "params/HostGuiInterface.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <cstdlib>
#include <cstring>

namespace rivo
{

Vst2LinuxEditor::Vst2LinuxEditor(AudioEffect *effect_ptr, GuiInterface *gui_ptr)
: EditorBindingInterface(effect_ptr), _gui_ptr(gui_ptr), _win(new ruvava::WindowX11(ruvava::Coord2D(100, 100)))
{
	if (_gui_ptr != nullptr)
	{
		// The editor knows the window by its toolkit side.
		_gui_ptr->set_msg_mgr_ptr(static_cast<ruvava::PumpedWindow *>(_win.get()));
	}
}

Vst2LinuxEditor::~Vst2LinuxEditor() = default;

int Vst2LinuxEditor::find_scale()
{
	const char *env_0 = std::getenv("TARVELLE_SCALE");
	if (env_0 != nullptr && (std::strcmp(env_0, "1") == 0 || std::strcmp(env_0, "2") == 0))
	{
		return env_0[0] - '0';
	}
	int scale = 1;
	Display *dpy = XOpenDisplay(nullptr);
	if (dpy == nullptr)
	{
		return scale;
	}
	// The desktop's resources, as the settings daemon publishes them.
	if (const char *res_0 = XResourceManagerString(dpy))
	{
		XrmInitialize();
		XrmDatabase db = XrmGetStringDatabase(res_0);
		char *type_0 = nullptr;
		XrmValue value;
		if (db != nullptr && XrmGetResource(db, "Xft.dpi", "Xft.Dpi", &type_0, &value) && value.addr != nullptr)
		{
			scale = (std::atof(value.addr) >= 144) ? 2 : 1;
		}
		if (db != nullptr)
		{
			XrmDestroyDatabase(db);
		}
	}
	XCloseDisplay(dpy);
	return scale;
}

void Vst2LinuxEditor::settle_scale()
{
	// Asked of the desktop only once a host wants the editor: loading the
	// plug-in (a host's scan) opens no display connection.
	if (_host_scale == 0 && _gui_ptr != nullptr)
	{
		_host_scale = find_scale();
		_gui_ptr->set_scale(_host_scale);
	}
}

void Vst2LinuxEditor::request_scale(float factor)
{
	_host_scale = (factor >= 1.5f) ? 2 : 1;
	if (_gui_ptr != nullptr)
	{
		_gui_ptr->set_scale(_host_scale);
	}
}

bool Vst2LinuxEditor::getRect(ERect **rect_ptr_ptr)
{
	if (_gui_ptr == nullptr)
	{
		*rect_ptr_ptr = nullptr;
		return false;
	}
	settle_scale();
	// A host that cannot size its window reserves room for the largest layout.
	int w = 0;
	int h = 0;
	const HostGuiInterface *host_ptr = _gui_ptr->get_host();
	if (host_ptr != nullptr && host_ptr->get_property("can_resize_window") == 0)
	{
		_gui_ptr->get_max_window_size(w, h);
	}
	else
	{
		_gui_ptr->get_window_size(w, h);
	}
	const int s = _gui_ptr->get_scale();
	_rect = ERect{0, 0, VstInt16(h * s), VstInt16(w * s)};
	*rect_ptr_ptr = &_rect;
	return true;
}

bool Vst2LinuxEditor::open(void *parent_ptr)
{
	AEffEditor::open(parent_ptr);
	settle_scale();
	return _gui_ptr != nullptr && _gui_ptr->open(parent_ptr) == 0;
}

void Vst2LinuxEditor::close()
{
	if (_gui_ptr != nullptr)
	{
		_gui_ptr->close();
	}
	AEffEditor::close();
}

void Vst2LinuxEditor::idle()
{
	AEffEditor::idle();
	if (_gui_ptr != nullptr)
	{
		_gui_ptr->idle();
	}
}

void Vst2LinuxEditor::update()
{
	const double tempo = _pending_tempo.exchange(0, std::memory_order_acq_rel);
	if (float(tempo) > 0 && _gui_ptr != nullptr)
	{
		_gui_ptr->set_tempo(float(tempo));
	}
}

void Vst2LinuxEditor::request_tempo_refresh(double tempo)
{
	_pending_tempo.store(tempo, std::memory_order_release);
	postUpdate();
}

void Vst2LinuxEditor::set_window_size(int width, int height)
{
	_win->set_size(ruvava::Coord2D(width, height));
}

}  // namespace rivo

// The editor the host sees: it answers the size question (scaled),
// opens the editor's window inside the host's, hands the host tempo from
// the audio thread to the editor and drives the editor on idle calls.
#pragma once

#include "host/EditorBindingInterface.h"

#include <atomic>
#include <memory>

namespace ruvava
{
class WindowX11;
}

namespace rivo
{

class GuiInterface;

class Vst2LinuxEditor : public EditorBindingInterface
{
public:
	// The window is created here and given to the editor (set_msg_mgr_ptr).
	Vst2LinuxEditor(AudioEffect *effect_ptr, GuiInterface *gui_ptr);
	~Vst2LinuxEditor() override;

	bool getRect(ERect **rect_ptr_ptr) override;
	bool open(void *parent_ptr) override;
	void close() override;
	void idle() override;
	void update() override;

	// The audio thread: a tempo to show at the next idle call.
	void request_tempo_refresh(double tempo) override;
	// A scale asked for by the host (1.5 or more: 2); honoured at the next open.
	void request_scale(float factor) override;
	void set_window_size(int width, int height);
	ruvava::WindowX11 &get_win() const noexcept
	{
		return *_win;
	}

	// The scale from the environment (TARVELLE_SCALE=1|2), else from the
	// desktop's font resolution (Xft.dpi of 144 or more: 2), else 1.
	static int find_scale();

private:
	// The desktop's scale, unless the host asked for one.
	void settle_scale();

	GuiInterface *_gui_ptr;
	std::unique_ptr<ruvava::WindowX11> _win;
	ERect _rect{0, 0, 0, 0};
	std::atomic<double> _pending_tempo{0};
	// 0: neither asked by the host nor found yet.
	int _host_scale = 0;
};

}  // namespace rivo

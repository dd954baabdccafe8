// What the host adapter and the engine may tell the editor.
#pragma once

namespace rivo
{

class DspInterface;
class HostGuiInterface;

class GuiInterface
{
public:
	virtual ~GuiInterface() = default;

	virtual int init() = 0;
	virtual void set_default_state() = 0;
	virtual void restore() = 0;
	virtual HostGuiInterface *get_host() const = 0;
	virtual void set_host(HostGuiInterface &host) = 0;
	virtual DspInterface *get_dsp() const = 0;
	virtual void set_dsp(DspInterface &dsp) = 0;
	virtual void set_msg_mgr_ptr(void *msg_mgr_ptr) = 0;
	virtual void *get_msg_mgr_ptr() const = 0;
	virtual void get_max_window_size(int &w, int &h) const = 0;
	virtual void get_window_size(int &w, int &h) const = 0;
	// Opens inside the given host window; 0 on success.
	virtual int open(void *parent_ptr) = 0;
	virtual void close() = 0;
	// A parameter took a new normalised value; prio is the source's priority.
	virtual void set_param(int index, float nval, int prio) = 0;
	virtual void set_hidden_param(int index, float val) = 0;
	virtual void set_tempo(float bpm) = 0;
	virtual void set_control_top_layer_pic(int ctrl, int pic) = 0;
	// The host's idle call, on the editor's thread: what the editor shows
	// catches up (parameter changes, window events, timers).
	virtual void idle() {}
	// Device pixels per editor unit (1 or 2), chosen before opening.
	virtual void set_scale(int) {}
	virtual int get_scale() const
	{
		return 1;
	}
};

}  // namespace rivo

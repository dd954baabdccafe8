// Binding a parameter to a MIDI controller by example: with auto-bind on,
// the control last touched is the target, and the next controller moved is
// bound to it (by the MIDI manager, on the MIDI thread). The armed target
// shows a lit marker. Without a MIDI path every operation does nothing.
#pragma once

#include "editor/MidiAutoBindListener.h"

#include <vector>

namespace rivo
{

class GuiInterface;
class HostGuiInterface;
class MetaControlList;
class MidiMgr;
class NormalizedParamInterface;

class MidiAutoBindMgr
{
public:
	// Top-layer pictures of the controls.
	enum Mark
	{
		Mark_NONE = 0,
		Mark_TARGET = 1
	};

	virtual ~MidiAutoBindMgr() = default;

	// gui: where the markers are shown (may be null).
	void init(MetaControlList &mcl, HostGuiInterface &host, GuiInterface *gui_ptr = nullptr);
	void activate_autobind(bool flag);
	bool is_autobind_activated();
	void select_param(int param);
	int get_autobind_candidate_index() const noexcept
	{
		return _candidate;
	}
	NormalizedParamInterface *get_autobind_candidate_ref() const;
	void update_autobind();
	void check_already_done();
	// At each idle of the editor: markers follow what the MIDI thread did.
	void idle();

private:
	MidiMgr *use_midi_mgr() const;
	void mark(int param, Mark m);

	std::vector<MidiAutoBindListener> _listeners;
	HostGuiInterface *_host_ptr = nullptr;
	GuiInterface *_gui_ptr = nullptr;
	int _candidate = -1;
	bool _init_flag = false;
	bool _activated = false;
	int _marked_target = -1;
};

}  // namespace rivo

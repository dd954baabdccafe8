// Any MIDI device: knows the MIDI manager, and through it the engine and the
// MIDI client. Devices are selected, initialised, then connected, and
// disconnected before another is selected.
#pragma once

#include "config/SettingClientInterface.h"

namespace rivo
{

class DspInterface;
class MidiMgr;
class MidiReceiverInterface;

class MidiDevInterface : public basic::SettingClientInterface
{
public:
	static constexpr const char *PORT_NAME_KEY_NAME = "name";

	int save_settings(basic::ConfKeyMulti &) override
	{
		return 0;
	}
	int load_settings(const basic::ConfKeyMulti &) override
	{
		return 0;
	}
	virtual int init()
	{
		return 0;
	}
	virtual int connect() = 0;
	virtual int disconnect() = 0;
	// Around each audio block, on the audio thread.
	virtual void process_pre() = 0;
	virtual void process_post() = 0;

	void set_midi_mgr(MidiMgr &mgr) noexcept;
	MidiMgr *use_midi_mgr() const noexcept
	{
		return _mgr_ptr;
	}
	DspInterface *use_dsp() const noexcept
	{
		return _dsp_ptr;
	}
	MidiReceiverInterface *use_midi_client() const noexcept
	{
		return _client_ptr;
	}

private:
	DspInterface *_dsp_ptr = nullptr;
	MidiMgr *_mgr_ptr = nullptr;
	MidiReceiverInterface *_client_ptr = nullptr;
};

}  // namespace rivo

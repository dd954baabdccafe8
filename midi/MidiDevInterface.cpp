#include "midi/MidiDevInterface.h"

#include "midi/MidiMgr.h"

namespace rivo
{

void MidiDevInterface::set_midi_mgr(MidiMgr &mgr) noexcept
{
	_mgr_ptr = &mgr;
	_dsp_ptr = mgr.use_dsp();
	_client_ptr = mgr.use_midi_client();
}

}  // namespace rivo

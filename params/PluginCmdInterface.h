// The parameter and program commands of the host adapter, as the editor side,
// the MIDI manager and the preset manager use them.
#pragma once

namespace rivo
{

class ProgramSlot;

class PluginCmdInterface
{
public:
	virtual ~PluginCmdInterface() = default;

	virtual bool is_param_free(int index, int prio) = 0;
	virtual bool reserve_param(int index, int prio) = 0;
	virtual void release_param(int index, int prio) = 0;
	// Arbitrated change of a normalised value; false when a stronger owner holds it.
	virtual bool set_param_pi(long index, float nval, int prio) = 0;
	// The same, then reported to the host as automation.
	virtual bool set_param_pi_and_host(long index, float nval, int prio) = 0;
	virtual void set_program_pi_and_host(const ProgramSlot &slot, int prio, bool release, bool notify_host) = 0;
};

}  // namespace rivo

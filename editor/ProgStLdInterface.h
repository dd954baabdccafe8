// Reads the current sound, stores and loads preset memories, and applies a
// morph between two sounds through the host side.
#pragma once

#include "params/ProgramSlot.h"

namespace rivo
{

class BankManager;
class DspInterface;
class HostGuiInterface;

class ProgStLdInterface
{
public:
	// A morph's steps hold the parameters above host automation (100) and
	// MIDI (125), below a program the host chooses (200).
	static constexpr int PRIO_MORPH = 150;

	virtual ~ProgStLdInterface() = default;

	void set_bank_man(BankManager &bank) noexcept
	{
		_bank_ptr = &bank;
	}
	void set_host(HostGuiInterface &host) noexcept
	{
		_host_ptr = &host;
	}
	void set_dsp(DspInterface &dsp) noexcept
	{
		_dsp_ptr = &dsp;
	}
	// The engine's current program and its name.
	void get_cur_program(ProgramSlot &slot) const;
	void load(int index, ProgramSlot &slot) const;
	void store(int index, const ProgramSlot &slot);
	// The sound at ratio (0..1) from one to the other, sent to the host side
	// as a program named after the target.
	void interpolate(const ProgramSlot &from, const ProgramSlot &to, double ratio);

protected:
	virtual void do_interpolate(ProgramSlot &result, const ProgramSlot &from, const ProgramSlot &to, double ratio) = 0;

private:
	BankManager *_bank_ptr = nullptr;
	HostGuiInterface *_host_ptr = nullptr;
	DspInterface *_dsp_ptr = nullptr;
	// Reused from step to step.
	ProgramSlot _step;
};

}  // namespace rivo

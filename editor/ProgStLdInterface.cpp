#include "editor/ProgStLdInterface.h"

#include "params/BankManager.h"
#include "params/DspInterface.h"
#include "params/HostGuiInterface.h"

namespace rivo
{

void ProgStLdInterface::get_cur_program(ProgramSlot &slot) const
{
	if (_dsp_ptr != nullptr)
	{
		slot.set_name(_dsp_ptr->get_program_name());
		_dsp_ptr->do_get_program(slot);
	}
}

void ProgStLdInterface::load(int index, ProgramSlot &slot) const
{
	if (_bank_ptr != nullptr && index >= 0 && index < _bank_ptr->get_nbr_prog())
	{
		_bank_ptr->load(index, slot);
	}
}

void ProgStLdInterface::store(int index, const ProgramSlot &slot)
{
	if (_bank_ptr != nullptr && index >= 0 && index < _bank_ptr->get_nbr_prog())
	{
		_bank_ptr->store(index, slot);
	}
}

void ProgStLdInterface::interpolate(const ProgramSlot &from, const ProgramSlot &to, double ratio)
{
	_step.set_name(to.get_name());
	do_interpolate(_step, from, to, ratio);
	if (_host_ptr != nullptr)
	{
		_host_ptr->set_program(_step, PRIO_MORPH);
	}
}

}  // namespace rivo

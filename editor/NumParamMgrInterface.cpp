#include "editor/NumParamMgrInterface.h"

#include "editor/MasterMgr.h"
#include "editor/MetaControlList.h"
#include "editor/NumParamListener.h"
#include "editor/NumValListenerInterface.h"
#include "gui/CtrlGroupItem.h"
#include "gui/Knob.h"
#include "gui/Switch.h"
#include "gui/TextBox.h"
#include "params/DspInterface.h"
#include "params/NormalizedParamInterface.h"

#include <string>

namespace rivo
{

void NumParamMgrInterface::set_num_name_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb)
{
	_ctrls[Slot_NAME_TB] = tb;
}

void NumParamMgrInterface::set_num_unit_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb)
{
	_ctrls[Slot_UNIT_TB] = tb;
}

void NumParamMgrInterface::set_num_val_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb)
{
	_ctrls[Slot_VAL_TB] = tb;
}

void NumParamMgrInterface::set_lfo_per_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb)
{
	_ctrls[Slot_LFO_PER_TB] = tb;
}

void NumParamMgrInterface::set_lfo_amp_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb)
{
	_ctrls[Slot_LFO_AMP_TB] = tb;
}

void NumParamMgrInterface::set_lfo_type_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb)
{
	_ctrls[Slot_LFO_TYPE_TB] = tb;
}

void NumParamMgrInterface::set_lfo_per_ctrl_sptr(const std::shared_ptr<ruvava::Knob> &k)
{
	_ctrls[Slot_LFO_PER_CTRL] = k;
}

void NumParamMgrInterface::set_lfo_amp_ctrl_sptr(const std::shared_ptr<ruvava::Knob> &k)
{
	_ctrls[Slot_LFO_AMP_CTRL] = k;
}

void NumParamMgrInterface::set_lfo_type_ctrl_sptr(const std::shared_ptr<ruvava::Switch> &s)
{
	_ctrls[Slot_LFO_TYPE_CTRL] = s;
}

void NumParamMgrInterface::set_num_val_tb_listener_sptr(const std::shared_ptr<NumParamListener> &listener)
{
	_val_tb_listener = listener;
}

void NumParamMgrInterface::add_lfo_listener_sptr(const std::shared_ptr<NumParamListener> &listener)
{
	_lfo_listeners.push_back(listener);
}

ruvava::TextBox *NumParamMgrInterface::use_tb(Slot slot) const noexcept
{
	return (slot <= Slot_LFO_TYPE_TB) ? static_cast<ruvava::TextBox *>(_ctrls[slot].get()) : nullptr;
}

bool NumParamMgrInterface::is_current() const noexcept
{
	return _master_ptr != nullptr && _master_ptr->use_current_mgr_ptr() == this;
}

void NumParamMgrInterface::print_param(Slot slot, int index)
{
	ruvava::TextBox *tb_ptr = use_tb(slot);
	DspInterface *dsp_ptr = (_master_ptr != nullptr) ? _master_ptr->use_dsp() : nullptr;
	if (tb_ptr == nullptr || dsp_ptr == nullptr || index < 0 || index >= dsp_ptr->get_nbr_param())
	{
		return;
	}
	const NormalizedParamInterface &param = *dsp_ptr->get_param_ref(index);
	if (slot != Slot_NAME_TB && slot != Slot_UNIT_TB)
	{
		show_value(slot, param, param.get_val());
		return;
	}
	char txt[TXT_LEN];
	if (slot == Slot_NAME_TB)
	{
		param.get_name(txt, TXT_LEN);
	}
	else
	{
		param.get_unit(txt, TXT_LEN);
	}
	// Names start with a blank that separates them from a voice prefix.
	const char *start_0 = txt;
	while (*start_0 == ' ')
	{
		++start_0;
	}
	if (tb_ptr->get_text() != start_0)
	{
		tb_ptr->set_text(start_0);
		tb_ptr->invalidate_all();
	}
}

void NumParamMgrInterface::show_value(Slot slot, const NormalizedParamInterface &param, double val)
{
	ruvava::TextBox *tb_ptr = use_tb(slot);
	if (tb_ptr == nullptr || tb_ptr->is_editing())
	{
		return;
	}
	char txt[TXT_LEN];
	param.do_print_val(txt, TXT_LEN, val);
	std::string text = txt;
	if (slot == Slot_LFO_PER_TB || slot == Slot_LFO_AMP_TB)
	{
		param.get_unit(txt, TXT_LEN);
		if (txt[0] != '\0')
		{
			text += std::string(" ") + txt;
		}
	}
	if (tb_ptr->get_text() != text)
	{
		tb_ptr->set_text(text);
		tb_ptr->invalidate_all();
	}
}

void NumParamMgrInterface::refresh_texts()
{
	print_param(Slot_NAME_TB, _param_index);
	print_param(Slot_UNIT_TB, _param_index);
	print_param(Slot_VAL_TB, _param_index);
	print_param(Slot_LFO_PER_TB, _lfo_index[0]);
	print_param(Slot_LFO_AMP_TB, _lfo_index[1]);
	print_param(Slot_LFO_TYPE_TB, _lfo_index[2]);
}

void NumParamMgrInterface::unselect()
{
	for (int k = 0; k < Slot_NBR_ELT; ++k)
	{
		if (_ctrls[k] != nullptr && _slots[k] != nullptr)
		{
			_ctrls[k]->invalidate_all();
			_slots[k]->erase(*_ctrls[k]);
		}
	}
	MetaControlList *mcl_ptr = _master_ptr->use_mcl_ptr();
	if (mcl_ptr != nullptr && _param_index >= 0 && size_t(_param_index) < mcl_ptr->size())
	{
		if (ruvava::ControlInterface *main_ptr = (*mcl_ptr)[size_t(_param_index)].use_control())
		{
			main_ptr->deactivate();
			main_ptr->refresh_display();
		}
	}
}

void NumParamMgrInterface::select()
{
	if (_master_ptr == nullptr || is_current())
	{
		return;
	}
	if (NumParamMgrInterface *cur_ptr = _master_ptr->use_current_mgr_ptr())
	{
		cur_ptr->unselect();
	}
	_master_ptr->set_current_mgr_ptr(this);
	do_select();
	for (int k = 0; k < Slot_NBR_ELT; ++k)
	{
		if (_ctrls[k] != nullptr && _slots[k] != nullptr)
		{
			_slots[k]->push_back(*_ctrls[k]);
			_ctrls[k]->refresh_display();
		}
	}
}

}  // namespace rivo

#include "editor/PresetManager.h"

#include "gui/FlipFlop.h"
#include "gui/PushButton.h"
#include "gui/TextBox.h"
#include "params/DspInterface.h"
#include "params/GuiInterface.h"
#include "params/KtpbFileHeader.h"
#include "params/KtpbFileOp.h"
#include "sys/FileOp.h"
#include "sys/res_fnc.h"

#include <algorithm>

namespace rivo
{

PresetManager::PresetManager()
: _display_listener(_refs),
  _fader_listener(_refs),
  _load_listener(*this, _sel),
  _save_listener(*this, _sel),
  _bank(NBR_MEMORIES)
{
	_sel.set_filter_list({{get_filter_name(), get_filter_pattern()}});
	_sel.set_active_filter(0);
	for (int i = 0; i < NBR_MEMORIES; ++i)
	{
		_number_listeners[i].init(_refs, i);
		_refs._number_ptrs[i] = &_number_listeners[i];
	}
	_refs._fader_ptr = &_fader_listener;
	_refs._display_ptr = &_display_listener;
}

std::string PresetManager::get_filter_name()
{
	return std::string("Kestrom plug-in preset bank (*.") + KtpbFileHeader::FILE_EXT + ")";
}

std::string PresetManager::get_filter_pattern()
{
	return std::string("*.") + KtpbFileHeader::FILE_EXT;
}

int PresetManager::init(GuiInterface &gui, ProgStLdInterface *stld_ptr, ruvava::ControlInterface **number_ctrls,
                        ruvava::FlipFlop &mem, ruvava::PushButton &load, ruvava::PushButton &save,
                        ruvava::ControlInterface &time_fader, ruvava::TextBox &time_display,
                        const char *default_bank_0)
{
	if (_init_flag)
	{
		return 0;
	}
	_gui_ptr = &gui;
	_stld_ptr = (stld_ptr != nullptr) ? stld_ptr : &_stld_default;
	_refs._stld_ptr = _stld_ptr;

	// Every memory starts as the current sound.
	DspInterface *dsp_ptr = gui.get_dsp();
	_bank.set_nbr_prog(NBR_MEMORIES);
	if (dsp_ptr != nullptr)
	{
		ProgramSlot cur;
		cur.set_name(dsp_ptr->get_program_name());
		dsp_ptr->do_get_program(cur);
		for (int i = 0; i < NBR_MEMORIES; ++i)
		{
			_bank.store(i, cur);
		}
		_stld_ptr->set_dsp(*dsp_ptr);
	}
	_stld_ptr->set_bank_man(_bank);
	if (gui.get_host() != nullptr)
	{
		_stld_ptr->set_host(*gui.get_host());
	}

	mem.push_back_listener(_mem_listener);
	load.push_back_listener(_load_listener);
	save.push_back_listener(_save_listener);
	time_display.push_back_listener(_display_listener);
	time_fader.push_back_listener(_fader_listener);
	for (int i = 0; i < NBR_MEMORIES; ++i)
	{
		if (number_ctrls != nullptr && number_ctrls[i] != nullptr)
		{
			number_ctrls[i]->push_back_listener(_number_listeners[i]);
		}
	}
	_refs._mem_ctrl_ptr = &mem;
	_refs._fader_ctrl_ptr = &time_fader;
	_refs._display_ctrl_ptr = &time_display;
	_display_listener.show_time(_fader_listener.get_time());
	_init_flag = true;

	int ret = 0;
	if (default_bank_0 != nullptr)
	{
		size_t size = 0;
		const void *data_ptr = sys::get_resource("KTPB", default_bank_0, size);
		BankManager loaded;
		ret = (data_ptr == nullptr) ? -1 : KtpbFileOp::load_bank_mem(data_ptr, long(size), loaded, false);
		if (ret == 0)
		{
			set_bank(loaded);
		}
	}
	time_fader.set_val_user(PresetTimeFaderListener::normalize_time(1), ruvava::ControlInterface::PRIO_USER);
	return ret;
}

void PresetManager::set_bank(const BankManager &bank)
{
	const int n = std::min(NBR_MEMORIES, bank.get_nbr_prog());
	for (int i = 0; i < n; ++i)
	{
		_bank.store(i, bank[i]);
	}
}

void PresetManager::set_bank_dir(const char *dir_0)
{
	const std::string name = sys::FileOp::extract_filename(_sel.get_filename());
	_sel.set_filename(std::string(dir_0) + sys::FileOp::FILE_DELIMITER + name);
}

void PresetManager::set_dialog_host(sys::DialogHostInterface *host_ptr)
{
	_load_listener.set_dialog_host(host_ptr);
	_save_listener.set_dialog_host(host_ptr);
}

void PresetManager::restore()
{
	if (!_init_flag)
	{
		return;
	}
	for (PresetNumberListener &l : _number_listeners)
	{
		l.stop_fade();
	}
	_init_flag = false;
}

}  // namespace rivo

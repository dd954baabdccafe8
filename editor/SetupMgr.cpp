#include "editor/SetupMgr.h"

#include "editor/MetaControlList.h"
#include "editor/WebSiteJumpInterface.h"
#include "gui/MenuRequest.h"
#include "gui/PushButton.h"
#include "midi/MidiDevSelectorInterface.h"
#include "midi/MidiMgr.h"
#include "params/GuiInterface.h"
#include "params/HostGuiInterface.h"
#include "params/NormalizedParamInterface.h"
#include "sys/SimpleMessageBox.h"

#include <cstdio>

namespace rivo
{

SetupMgr::SetupMgr() = default;

SetupMgr::~SetupMgr()
{
	if (_button_ptr != nullptr)
	{
		_button_ptr->remove_listener(_ctrl_listener);
	}
}

MidiMgr *SetupMgr::use_midi_mgr() const
{
	return (_host_ptr != nullptr) ? _host_ptr->use_midi_interface() : nullptr;
}

DspInterface *SetupMgr::use_dsp() const
{
	return (_gui_ptr != nullptr) ? _gui_ptr->get_dsp() : nullptr;
}

void SetupMgr::add_item(ruvava::MenuItem &item, ruvava::MenuListenerInterface &listener, SetupComponent &comp)
{
	comp.set_setup_mgr(*this);
	item.set_listener(&listener);
	_root.push_back(item);
}

int SetupMgr::init(GuiInterface &gui, MetaControlList &mcl, ruvava::PushButton &button, WebSiteJumpInterface &jump,
                   sys::DialogHostInterface *dialogs_ptr)
{
	if (_built)
	{
		return 0;
	}
	_gui_ptr = &gui;
	_mcl_ptr = &mcl;
	_host_ptr = gui.get_host();
	_jump_ptr = &jump;
	_button_ptr = &button;
	_dialogs_ptr = dialogs_ptr;
	_ctrl_listener.set_setup_mgr(*this);
	button.push_back_listener_unique(_ctrl_listener);
	if (_host_ptr != nullptr)
	{
		_autobind.init(mcl, *_host_ptr, &gui);
	}

	add_item(_about, _about_l, _about_l);
	_root.push_back(_web);
	const WebSiteJumpInterface::Type types[4] = {WebSiteJumpInterface::Type_PRODUCT_INFO,
	                                             WebSiteJumpInterface::Type_UPDATES,
	                                             WebSiteJumpInterface::Type_DOCUMENTATION,
	                                             WebSiteJumpInterface::Type_PRESETS};
	ruvava::MenuItem *web_items[4] = {&_product, &_updates, &_docs, &_presets};
	for (int k = 0; k < 4; ++k)
	{
		_web_l[k].set_jump(types[k]);
		add_item(*web_items[k], _web_l[k], _web_l[k]);
	}
	_root.push_back(_settings_head);
	add_item(_load, _load_l, _load_l);
	add_item(_save, _save_l, _save_l);
	add_item(_mouse, _mouse_l, _mouse_l);
	add_midi_menu();
	add_item(_nrpn, _nrpn_l, _nrpn_l);
	_nrpn.disable(use_midi_mgr() == nullptr);

	int ret = 0;
	if (DspInterface *dsp_ptr = use_dsp(); dsp_ptr != nullptr && _host_ptr != nullptr)
	{
		ret = _settings.init(*dsp_ptr, *_host_ptr);
	}
	if (ret == 0 && use_midi_mgr() != nullptr)
	{
		ret = _settings.register_client(*use_midi_mgr());
	}
	const std::string ext = SETTING_FILE_EXT;
	_selector.set_filter_list({{"Kestrom plug-in setting file (*." + ext + ")", "*." + ext}});
	_selector.set_active_filter(0);
	_built = true;
	return ret;
}

void SetupMgr::add_midi_menu()
{
	_root.push_back(_midi_head);
	add_item(_autobind_item, _autobind_l, _autobind_l);
	_root.push_back(_dev_in._list);
	_root.push_back(_dev_out._list);
	if (use_midi_mgr() != nullptr)
	{
		_dev_in.fill(*this, SetupMLMidiDevice::Type_IN);
		_dev_out.fill(*this, SetupMLMidiDevice::Type_OUT);
	}
	else
	{
		_autobind_item.disable(true);
	}
}

void SetupMgr::MidiDeviceMenu::fill(SetupMgr &mgr, SetupMLMidiDevice::Type type)
{
	const MidiDevSelectorInterface *sel_ptr = mgr.use_midi_mgr()->use_dev_selector();
	const int n = (sel_ptr == nullptr) ? 0 : (type == SetupMLMidiDevice::Type_IN) ? sel_ptr->get_nbr_dev_in()
	                                                                               : sel_ptr->get_nbr_dev_out();
	for (int id = -1; id < n; ++id)
	{
		const std::string label = (id < 0) ? std::string("None")
		                          : (type == SetupMLMidiDevice::Type_IN) ? sel_ptr->get_dev_in_prop(id)._name
		                                                                 : sel_ptr->get_dev_out_prop(id)._name;
		_entries.emplace_back(label);
		Entry &e = _entries.back();
		e._listener.set_setup_mgr(mgr);
		e._listener.set_device(type, id);
		e._item.set_listener(&e._listener);
		_list.push_back(e._item);
	}
}

void SetupMgr::MidiDeviceMenu::check(int cur_id)
{
	for (Entry &e : _entries)
	{
		e._item.check(e._listener.get_id() == cur_id);
	}
}

void SetupMgr::update_midi_menu()
{
	MidiMgr *midi_ptr = use_midi_mgr();
	if (midi_ptr == nullptr)
	{
		return;
	}
	std::string label = "Auto-bind";
	const bool on = _autobind.is_autobind_activated();
	_autobind_item.check(on);
	if (const NormalizedParamInterface *param_ptr = _autobind.get_autobind_candidate_ref())
	{
		char name[128];
		param_ptr->get_name(name, sizeof(name));
		label += std::string(" [target : ") + name + "]";
	}
	else if (on)
	{
		label += " [now select a parameter]";
	}
	_autobind_item.set_label(label);
	if (const MidiDevSelectorInterface *sel_ptr = midi_ptr->use_dev_selector())
	{
		_dev_in.check(sel_ptr->get_dev_in_cur_id());
		_dev_out.check(sel_ptr->get_dev_out_cur_id());
	}
}

void SetupMgr::display_menu()
{
	if (use_midi_mgr() != nullptr)
	{
		update_midi_menu();
		_nrpn_l.update();
	}
	_mouse_l.update();
	if (_button_ptr != nullptr)
	{
		ruvava::MenuRequest request(_root, ruvava::Coord2D(0, 0));
		_button_ptr->send_message(request);
	}
}

void SetupMgr::show_error(const char *what_0, int code)
{
	if (_dialogs_ptr == nullptr)
	{
		return;
	}
	char code_txt[32];
	std::snprintf(code_txt, sizeof(code_txt), "\n\nCode %d", code);
	sys::SimpleMessageBox::ask(*_dialogs_ptr, "Error", std::string(what_0) + code_txt, sys::SimpleMessageBox::Type_OK,
	                           0, nullptr);
}

}  // namespace rivo

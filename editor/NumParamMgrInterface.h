// One editable parameter's place in the edit panel: its name, value and
// unit text boxes and, with an LFO, the LFO's period, depth and shape
// controls with their texts. Selecting the parameter (a click on its main
// control) takes the previous parameter's controls out of the shared slots
// and puts these in.
#pragma once

#include <memory>
#include <vector>

namespace ruvava
{
class ControlInterface;
class CtrlGroupItem;
class Knob;
class Switch;
class TextBox;
}  // namespace ruvava

namespace rivo
{

class MasterMgr;
class NormalizedParamInterface;
class NumParamListener;
class NumValListenerInterface;

class NumParamMgrInterface
{
public:
	enum Slot
	{
		Slot_NAME_TB = 0,
		Slot_UNIT_TB,
		Slot_VAL_TB,
		Slot_LFO_PER_TB,
		Slot_LFO_AMP_TB,
		Slot_LFO_TYPE_TB,
		Slot_LFO_PER_CTRL,
		Slot_LFO_AMP_CTRL,
		Slot_LFO_TYPE_CTRL,

		Slot_NBR_ELT
	};
	static constexpr long TXT_LEN = 128;

	NumParamMgrInterface() = default;
	virtual ~NumParamMgrInterface() = default;
	NumParamMgrInterface(const NumParamMgrInterface &) = delete;
	NumParamMgrInterface &operator=(const NumParamMgrInterface &) = delete;

	void set_master_mgr(MasterMgr &master) noexcept
	{
		_master_ptr = &master;
	}
	MasterMgr *use_master_mgr() const noexcept
	{
		return _master_ptr;
	}

	// Where each control shows while the parameter is selected.
	void set_num_name_tb_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_NAME_TB] = p;
	}
	void set_num_unit_tb_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_UNIT_TB] = p;
	}
	void set_num_val_tb_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_VAL_TB] = p;
	}
	void set_lfo_per_tb_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_LFO_PER_TB] = p;
	}
	void set_lfo_amp_tb_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_LFO_AMP_TB] = p;
	}
	void set_lfo_type_tb_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_LFO_TYPE_TB] = p;
	}
	void set_per_ctrl_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_LFO_PER_CTRL] = p;
	}
	void set_amp_ctrl_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_LFO_AMP_CTRL] = p;
	}
	void set_type_ctrl_cgi_ptr(ruvava::CtrlGroupItem *p) noexcept
	{
		_slots[Slot_LFO_TYPE_CTRL] = p;
	}

	// The manager's own controls.
	void set_num_name_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb);
	void set_num_unit_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb);
	void set_num_val_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb);
	void set_lfo_per_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb);
	void set_lfo_amp_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb);
	void set_lfo_type_tb_sptr(const std::shared_ptr<ruvava::TextBox> &tb);
	void set_lfo_per_ctrl_sptr(const std::shared_ptr<ruvava::Knob> &k);
	void set_lfo_amp_ctrl_sptr(const std::shared_ptr<ruvava::Knob> &k);
	void set_lfo_type_ctrl_sptr(const std::shared_ptr<ruvava::Switch> &s);
	ruvava::ControlInterface *use_ctrl(Slot slot) const noexcept
	{
		return _ctrls[slot].get();
	}
	// Slots up to Slot_LFO_TYPE_TB hold text boxes.
	ruvava::TextBox *use_tb(Slot slot) const noexcept;

	// The main control's listener; not owned.
	void set_num_val_listener(NumValListenerInterface &listener) noexcept
	{
		_val_listener_ptr = &listener;
	}
	NumValListenerInterface *use_num_val_listener() const noexcept
	{
		return _val_listener_ptr;
	}
	void set_num_val_tb_listener_sptr(const std::shared_ptr<NumParamListener> &listener);
	// The listeners of the LFO's controls and text boxes.
	void add_lfo_listener_sptr(const std::shared_ptr<NumParamListener> &listener);

	void set_param_ctrl_index(int index) noexcept
	{
		_param_index = index;
	}
	int get_param_ctrl_index() const noexcept
	{
		return _param_index;
	}
	void set_lfo_per_ctrl_index(int index) noexcept
	{
		_lfo_index[0] = index;
	}
	void set_lfo_amp_ctrl_index(int index) noexcept
	{
		_lfo_index[1] = index;
	}
	void set_lfo_type_ctrl_index(int index) noexcept
	{
		_lfo_index[2] = index;
	}
	int get_lfo_per_ctrl_index() const noexcept
	{
		return _lfo_index[0];
	}
	int get_lfo_amp_ctrl_index() const noexcept
	{
		return _lfo_index[1];
	}
	int get_lfo_type_ctrl_index() const noexcept
	{
		return _lfo_index[2];
	}
	bool has_lfo() const noexcept
	{
		return _lfo_index[0] >= 0;
	}

	// Shows this parameter in the edit panel instead of the current one.
	void select();
	bool is_current() const noexcept;
	// Every text again from the parameters (the time unit or tempo changed).
	void refresh_texts();
	// Writes a value of the parameter into the text box of that slot; the
	// LFO's boxes carry the unit too, having no unit box of their own.
	void show_value(Slot slot, const NormalizedParamInterface &param, double val);

	// Called once selected, before the controls are shown.
	virtual void do_select() = 0;

private:
	// Takes this manager's controls out of their slots.
	void unselect();
	void print_param(Slot slot, int index);

	MasterMgr *_master_ptr = nullptr;
	ruvava::CtrlGroupItem *_slots[Slot_NBR_ELT] = {};
	std::shared_ptr<ruvava::ControlInterface> _ctrls[Slot_NBR_ELT];
	NumValListenerInterface *_val_listener_ptr = nullptr;
	std::shared_ptr<NumParamListener> _val_tb_listener;
	std::vector<std::shared_ptr<NumParamListener>> _lfo_listeners;
	int _param_index = -1;
	int _lfo_index[3] = {-1, -1, -1};
};

}  // namespace rivo

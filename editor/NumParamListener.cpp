#include "editor/NumParamListener.h"

#include "editor/MetaControlList.h"
#include "editor/NumParamMgrInterface.h"
#include "gui/ControlInterface.h"
#include "gui/TextBox.h"
#include "params/NormalizedParamInterface.h"

namespace rivo
{

void NumParamListener::print_into(int slot, double pos)
{
	const NormalizedParamInterface *param_ptr = use_param();
	if (param_ptr != nullptr && _mgr_ptr != nullptr)
	{
		const float nval = float(convert_ctrl_pos_to_norm_val(pos));
		_mgr_ptr->show_value(NumParamMgrInterface::Slot(slot), *param_ptr, param_ptr->denormalize_val(nval));
	}
}

void NumParamListener::apply_typed(int tb_slot, int ctrl_slot)
{
	NormalizedParamInterface *param_ptr = use_param();
	ruvava::TextBox *tb_ptr =
	   (_mgr_ptr != nullptr) ? _mgr_ptr->use_tb(NumParamMgrInterface::Slot(tb_slot)) : nullptr;
	if (param_ptr == nullptr || tb_ptr == nullptr)
	{
		return;
	}
	ruvava::ControlInterface *ctrl_ptr = nullptr;
	if (ctrl_slot >= 0)
	{
		ctrl_ptr = _mgr_ptr->use_ctrl(NumParamMgrInterface::Slot(ctrl_slot));
	}
	else if (use_meta_list() != nullptr && size_t(get_param_index()) < use_meta_list()->size())
	{
		ctrl_ptr = (*use_meta_list())[size_t(get_param_index())].use_control();
	}
	bool ok = false;
	const double val = param_ptr->do_scan_val(tb_ptr->get_text().c_str(), ok);
	ruvava::EventListenerInterface *target_ptr = (ctrl_ptr != nullptr) ? ctrl_ptr->get_listener() : nullptr;
	if (ok && target_ptr != nullptr)
	{
		const float nval = param_ptr->normalize_val(val);
		ctrl_ptr->stop_user_action();
		if (auto *base_ptr = dynamic_cast<ListenerBase *>(target_ptr))
		{
			base_ptr->cancel_link();
		}
		// One gesture for the host: automation records the typed value as a touch.
		ctrl_ptr->reserve_val(ruvava::ControlInterface::PRIO_USER);
		ctrl_ptr->set_val_user(target_ptr->convert_norm_val_to_ctrl_pos(nval), ruvava::ControlInterface::PRIO_USER);
		ctrl_ptr->release_val(ruvava::ControlInterface::PRIO_USER);
	}
	// The value as the parameter writes it, or the current one when the text
	// could not be read.
	_mgr_ptr->show_value(NumParamMgrInterface::Slot(tb_slot), *param_ptr, param_ptr->get_val());
}

}  // namespace rivo

#include "editor/TempoCtrlListener.h"

#include "editor/TarvelleGui.h"
#include "gui/TextBox.h"
#include "params/NormalizedParamInterface.h"

namespace rivo
{

double TempoCtrlListener::change_num_val(double val, int prio)
{
	val = ListenerBase::change_num_val(val, prio);
	const NormalizedParamInterface *param_ptr = use_param();
	if (param_ptr != nullptr && _tb_ptr != nullptr && !_tb_ptr->is_editing())
	{
		char txt[128];
		param_ptr->do_print_val(txt, sizeof(txt), param_ptr->denormalize_val(float(val)));
		if (_tb_ptr->get_text() != txt)
		{
			_tb_ptr->set_text(txt);
			_tb_ptr->invalidate_all();
		}
	}
	if (_gui_ptr != nullptr)
	{
		_gui_ptr->change_time_unit();
	}
	return val;
}

}  // namespace rivo

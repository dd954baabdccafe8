#include "editor/TempoTextBoxListener.h"

#include "gui/TextBox.h"
#include "params/NormalizedParamInterface.h"

namespace rivo
{

void TempoTextBoxListener::send_custom_event(long id, void *)
{
	auto *tb_ptr = dynamic_cast<ruvava::TextBox *>(use_ci());
	const NormalizedParamInterface *param_ptr = use_param();
	if (id != ruvava::TextBox::Event_EDITED || tb_ptr == nullptr || param_ptr == nullptr || _spin_ptr == nullptr)
	{
		return;
	}
	bool ok = false;
	const double bpm = param_ptr->do_scan_val(tb_ptr->get_text().c_str(), ok);
	if (ok)
	{
		_spin_ptr->reserve_val(ruvava::ControlInterface::PRIO_USER);
		_spin_ptr->set_val_user(param_ptr->normalize_val(bpm), ruvava::ControlInterface::PRIO_USER);
		_spin_ptr->release_val(ruvava::ControlInterface::PRIO_USER);
	}
	// The tempo as the parameter writes it.
	char txt[128];
	param_ptr->print_val(txt, sizeof(txt));
	tb_ptr->set_text(txt);
	tb_ptr->invalidate_all();
}

}  // namespace rivo

#include "editor/BandActiviyListener.h"

#include "editor/GuiEffect.h"

namespace rivo
{

double BandActiviyListener::change_num_val(double val, int prio)
{
	val = DefaultEventListener::change_num_val(val, prio);
	if (_effect_ptr != nullptr)
	{
		if (val < SILENT)
		{
			_effect_ptr->hide_band(_voice);
		}
		else
		{
			_effect_ptr->show_band(_voice);
		}
	}
	return val;
}

}  // namespace rivo

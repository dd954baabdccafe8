#include "editor/BandActiviyListener.h"

#include "editor/GuiCells.h"

namespace rivo
{

double BandActiviyListener::change_num_val(double val, int prio)
{
	val = DefaultEventListener::change_num_val(val, prio);
	if (_cells_ptr != nullptr)
	{
		if (val < SILENT)
		{
			_cells_ptr->hide_band(_voice);
		}
		else
		{
			_cells_ptr->show_band(_voice);
		}
	}
	return val;
}

}  // namespace rivo

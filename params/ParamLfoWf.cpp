// LFO waveform parameter.
#include "params/ParamLfoWf.h"

#include "dsp/Lfo.h"

#include <cmath>

namespace rivo
{

const int ParamLfoWf::WF_TYPE[NBR_WF] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

void ParamLfoWf::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "", len);
}

double ParamLfoWf::denormalize_val(float nval) const
{
	return std::floor(9.0 * double(nval) + 0.5);
}

float ParamLfoWf::normalize_val(double val) const
{
	return float(val / 9.0);
}

int ParamLfoWf::get_lfo_type(double val) noexcept
{
	const double r = std::floor(val + 0.5);
	const int index = !(r >= 0) ? 0 : (r > NBR_WF - 1 ? NBR_WF - 1 : int(r));
	return WF_TYPE[index];
}

void ParamLfoWf::do_print_val(char *txt_ptr, long len, double val) const
{
	basic::strncpy_0(txt_ptr, dsp::Lfo::WF_TYPE_NAME[get_lfo_type(val)], len);
}

double ParamLfoWf::do_scan_val(const char * /*txt_0*/, bool &ok) const
{
	ok = false;
	return 0;
}

}  // namespace rivo

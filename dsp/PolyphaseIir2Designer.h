// Designs the all-pass coefficients of a polyphase half-band IIR filter.
#pragma once

#include <vector>

namespace dsp
{

class PolyphaseIir2Designer
{
public:
	// Elliptic half-band low-pass: stop-band attenuation in dB, transition
	// bandwidth as a fraction of the sample rate (0 < transition < 0.5).
	// Fills coefs with (order - 1) / 2 increasing values in (0, 1); empties it
	// for settings outside those ranges.
	static void compute_halfband_lpf(std::vector<double> &coefs, double attenuation_db, double transition);

private:
	static double compute_coef(int index, double k, double q, int order);
	static double compute_acc_num(double q, int order, int index);
	static double compute_acc_den(double q, int order, int index);
};

}  // namespace dsp

// Elliptic half-band design, evaluated with theta-function series.
#include "dsp/PolyphaseIir2Designer.h"

#include <cmath>

namespace dsp
{

namespace
{
constexpr double PI = 3.14159265358979323846;
constexpr double TERM_LIMIT = 1e-100;
constexpr int MAX_TERMS = 1000;  // the series converge in a few dozen terms for any q < 1
}  // namespace

void PolyphaseIir2Designer::compute_halfband_lpf(std::vector<double> &coefs, double attenuation_db, double transition)
{
	if (!(transition > 0 && transition < 0.5 && attenuation_db > 0))
	{
		coefs.clear();
		return;
	}
	const double k = std::pow(std::tan((1 - 2 * transition) * PI / 4), 2);
	const double kk = std::pow(1 - k * k, 0.25);
	const double e = 0.5 * (1 - kk) / (1 + kk);
	const double e4 = std::pow(e, 4);
	const double q = e * (1 + 2 * e4 + 15 * e4 * e4 + 150 * e4 * e4 * e4);

	double v = std::pow(10.0, -attenuation_db / 10);
	v = v / (1 - v);
	int order = int(std::ceil(std::log(v * v / 16) / std::log(q)));
	if ((order & 1) == 0)
	{
		++order;
	}
	if (order == 1)
	{
		order = 3;
	}

	const int nbr_coefs = (order - 1) / 2;
	coefs.resize(size_t(nbr_coefs));
	for (int i = 1; i <= nbr_coefs; ++i)
	{
		coefs[size_t(i - 1)] = compute_coef(i, k, q, order);
	}
}

double PolyphaseIir2Designer::compute_coef(int index, double k, double q, int order)
{
	const double num = compute_acc_num(q, order, index);
	const double den = compute_acc_den(q, order, index);
	const double w = 2 * std::pow(q, 0.25) * num / den;
	const double ww = w * w;
	const double x = std::sqrt((1 - ww * k) * (1 - ww / k)) / (1 + ww);
	return (1 - x) / (1 + x);
}

double PolyphaseIir2Designer::compute_acc_num(double q, int order, int index)
{
	double acc = 0;
	for (int m = 0; m < MAX_TERMS; ++m)
	{
		const double sign = (m & 1) ? -1.0 : 1.0;
		const double term = sign * std::pow(q, double(m) * (m + 1)) * std::sin((2 * m + 1) * index * PI / order);
		acc += term;
		if (std::fabs(term) < TERM_LIMIT)
		{
			break;
		}
	}
	return acc;
}

double PolyphaseIir2Designer::compute_acc_den(double q, int order, int index)
{
	double acc = 0;
	for (int m = 1; m < MAX_TERMS; ++m)
	{
		const double sign = (m & 1) ? -1.0 : 1.0;
		const double term = sign * std::pow(q, double(m) * m) * std::cos(2 * m * index * PI / order);
		acc += term;
		if (std::fabs(term) < TERM_LIMIT)
		{
			break;
		}
	}
	return 1 + 2 * acc;
}

}  // namespace dsp

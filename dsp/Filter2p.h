// Low-pass, high-pass, resonator (peak) and band-pass biquads.
#pragma once

#include "dsp/BiquadS.h"

namespace dsp
{

class Filter2p : public BiquadS
{
public:
	enum Type
	{
		Type_LPF = 0,
		Type_HPF,
		Type_RESO,
		Type_BPF,

		Type_NBR_ELT
	};

	static const char *const TYPE_NAME[Type_NBR_ELT];

	// Low- and high-pass: p1 is Q. Resonator and band-pass: p1 is the gain at f, p2 is Q.
	void set_type(int type) noexcept
	{
		_type = type;
	}
	int get_type() const noexcept
	{
		return _type;
	}
	void set_p1(float p1) noexcept
	{
		_p1 = p1;
	}
	void set_p2(float p2) noexcept
	{
		_p2 = p2;
	}

	// Sets the prototype from type, p1 and p2, then the z coefficients.
	// An unknown type keeps the previous prototype.
	void update_eq() noexcept;

private:
	int _type = Type_RESO;
	float _p1 = 1;
	float _p2 = 1;
};

}  // namespace dsp

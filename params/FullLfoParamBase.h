// What the registry knows of a modulated parameter's LFO group.
#pragma once

#include "params/NotifiedInterface.h"
#include "params/NotifierInterface.h"

namespace rivo
{

class FullLfoParamBase : public NotifiedInterface, public NotifierInterface
{
public:
	// Combines the LFO output with its depth.
	struct DefaultAmpModifier
	{
		double operator()(double lfo_val, double depth) const noexcept
		{
			return lfo_val * depth;
		}
	};

	~FullLfoParamBase() override = default;

	// Sets the LFO phase, in periods, at the next tick.
	virtual void set_phase(float periods) = 0;
	// Re-reads the period after a tempo change; the phase is kept.
	virtual void update_time() = 0;
};

}  // namespace rivo

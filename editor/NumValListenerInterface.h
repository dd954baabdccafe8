// The main control of an editable parameter: a click selects the parameter
// in the edit panel, and every value it takes is written as text there.
#pragma once

#include "editor/NumParamListener.h"

namespace rivo
{

class NumValListenerInterface : public NumParamListener
{
public:
	void activate() override;
	double change_num_val(double val, int prio) override;
};

}  // namespace rivo

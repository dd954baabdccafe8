// The edit manager of one parameter: once selected, its texts are written
// afresh, since the time unit or the tempo may have changed while another
// parameter was shown.
#pragma once

#include "editor/NumParamMgrInterface.h"

namespace rivo
{

class NumParamMgr : public NumParamMgrInterface
{
public:
	void do_select() override
	{
		refresh_texts();
	}
};

}  // namespace rivo

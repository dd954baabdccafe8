#include "editor/NumValListenerInterface.h"

namespace rivo
{

void NumValListenerInterface::activate()
{
	if (NumParamMgrInterface *mgr_ptr = use_num_param_mgr())
	{
		mgr_ptr->select();
	}
}

}  // namespace rivo

// The mouse mode kept as a persistent key shared by every instance.
#include "gui/PersistentMouseSettings.h"

#include "config/PersistentKeyList.h"
#include "sys/Exception.h"
#include "sys/basic_fnc.h"

namespace ruvava
{

const char *const PersistentMouseSettings::MOUSE_BEHAVIOUR_KEY_VAL[2] = {"0", "1"};

PersistentMouseSettings &PersistentMouseSettings::get_instance()
{
	// Never destroyed: controls of other instances may still ask at exit.
	static PersistentMouseSettings *instance_ptr = new PersistentMouseSettings;
	return *instance_ptr;
}

PersistentMouseSettings::PersistentMouseSettings()
{
	fetch();
}

void PersistentMouseSettings::fetch()
{
	std::string val;
	try
	{
		sys::PersistentKeyList keys(MOUSE_BEHAVIOUR_KEY_PATH, true);
		if (keys.get_key(MOUSE_BEHAVIOUR_KEY, val) == 0)
		{
			for (int b = 0; b < 2; ++b)
			{
				if (basic::strcmp_ci(val.c_str(), MOUSE_BEHAVIOUR_KEY_VAL[b]))
				{
					_behaviour.store(b, std::memory_order_relaxed);
					return;
				}
			}
		}
	}
	catch (const basic::Exception &)
	{
		// No settings folder: the default holds for this run.
		_behaviour.store(MouseBehaviour_ENHANCED, std::memory_order_relaxed);
		return;
	}
	set_mouse_behaviour(MouseBehaviour_ENHANCED);
}

PersistentMouseSettings::MouseBehaviour PersistentMouseSettings::update_mouse_behaviour()
{
	fetch();
	return get_mouse_behaviour();
}

void PersistentMouseSettings::set_mouse_behaviour(MouseBehaviour behaviour)
{
	_behaviour.store(behaviour, std::memory_order_relaxed);
	try
	{
		sys::PersistentKeyList keys(MOUSE_BEHAVIOUR_KEY_PATH, true);
		keys.set_key(MOUSE_BEHAVIOUR_KEY, MOUSE_BEHAVIOUR_KEY_VAL[behaviour == MouseBehaviour_COMPATIBLE ? 1 : 0]);
	}
	catch (const basic::Exception &)
	{
		// Kept for this run only.
	}
}

}  // namespace ruvava

// How the controls follow the mouse, kept as a persistent key so that the
// choice holds for every instance and every run.
#pragma once

#include <atomic>

namespace ruvava
{

class PersistentMouseSettings
{
public:
	enum MouseBehaviour
	{
		MouseBehaviour_ENHANCED = 0,
		MouseBehaviour_COMPATIBLE = 1
	};
	static constexpr const char *MOUSE_BEHAVIOUR_KEY_PATH = "Kestrom";
	static constexpr const char *MOUSE_BEHAVIOUR_KEY = "MouseCompatibility";
	static const char *const MOUSE_BEHAVIOUR_KEY_VAL[2];

	static PersistentMouseSettings &get_instance();

	MouseBehaviour get_mouse_behaviour() const noexcept
	{
		return MouseBehaviour(_behaviour.load(std::memory_order_relaxed));
	}
	// Reads the key again; a missing or unknown value is replaced by "0".
	MouseBehaviour update_mouse_behaviour();
	// Stores the behaviour and writes the key.
	void set_mouse_behaviour(MouseBehaviour behaviour);

private:
	PersistentMouseSettings();
	void fetch();

	std::atomic<int> _behaviour{MouseBehaviour_ENHANCED};
};

}  // namespace ruvava

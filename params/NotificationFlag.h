// A listener that remembers that something changed until it is reset.
#pragma once

#include "params/NotifiedInterface.h"

#include <atomic>

namespace rivo
{

class NotificationFlag : public NotifiedInterface
{
public:
	NotificationFlag() = default;
	explicit NotificationFlag(bool state) : _state(state) {}
	~NotificationFlag() override = default;

	void notify(NotifierInterface &notifier) override;

	void set();
	void reset();
	// Clears the flag and tells whether it was raised. The clear and the test
	// are one step, and it acquires what the setter published: a change that
	// arrives meanwhile raises the flag again instead of being lost.
	bool take();
	bool get_state() const noexcept
	{
		return _state.load(std::memory_order_acquire);
	}
	bool operator()() const noexcept
	{
		return get_state();
	}

protected:
	// Hooks after the state changed; the base does nothing.
	virtual void do_reset() {}
	virtual void do_set() {}

private:
	// Raised by control threads after they stored the new value (release),
	// taken by the audio thread before it reads that value (acquire).
	std::atomic<bool> _state{false};
};

}  // namespace rivo

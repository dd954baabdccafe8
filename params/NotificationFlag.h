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
	bool get_state() const noexcept
	{
		return _state.load(std::memory_order_relaxed);
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
	// Written by control threads, read by the audio thread at the next frame:
	// no ordering is needed, a change seen late is taken over one frame later.
	std::atomic<bool> _state{false};
};

}  // namespace rivo

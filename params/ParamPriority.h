// Arbitration record deciding which source may write a parameter right now.
#pragma once

#include <atomic>

namespace rivo
{

class ParamPriority
{
public:
	// Priorities of the writers; higher wins, equal takes over.
	enum Prio
	{
		Prio_FREE = 0,
		Prio_HOST_AUTOMATION = 100,
		Prio_HOST_MIDI = 125,
		Prio_PRESET_MORPH = 150,
		Prio_HOST_PROGRAM = 200,
		Prio_EDITOR = 200
	};

	static constexpr double DEFAULT_TTL = 0.5;  // seconds a hold lasts without renewal

	virtual ~ParamPriority() = default;

	// Acquires or renews the hold; false (and nothing changes) when a stronger
	// owner still holds the parameter.
	bool get(double now, int priority);
	// Whether get() would succeed; changes nothing.
	bool is_free(double now, int priority) const;
	// Frees the record only when priority is the owner's.
	void release(int priority);
	void release();
	void set_ttl(double ttl);

	ParamPriority() = default;
	ParamPriority(const ParamPriority &other);
	ParamPriority &operator=(const ParamPriority &other);

	int get_owner() const noexcept
	{
		return _owner.load(std::memory_order_relaxed);
	}
	double get_time() const noexcept
	{
		return _time.load(std::memory_order_relaxed);
	}
	double get_ttl() const noexcept
	{
		return _ttl.load(std::memory_order_relaxed);
	}

private:
	// The host automates from its audio thread while the editor or a program
	// writes from another: atomics, so a record is never read half-written.
	// A lost race lets two simultaneous writes through, which is accepted.
	std::atomic<double> _time{0};
	std::atomic<double> _ttl{DEFAULT_TTL};
	std::atomic<int> _owner{Prio_FREE};
};

}  // namespace rivo

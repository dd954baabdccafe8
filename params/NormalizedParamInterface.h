// The contract of every automatable value: a normalised value 0..1 for the host,
// programs and editor, and a real value in the parameter's own unit.
#pragma once

#include "params/NotifierInterface.h"

#include <atomic>

namespace rivo
{

class NormalizedParamInterface : public NotifierInterface
{
public:
	// Range types reported by get_range_type().
	enum RangeType
	{
		RangeType_CONTINUOUS = 0,
		RangeType_INTEGER = 1
	};

	NormalizedParamInterface() = default;
	NormalizedParamInterface(const NormalizedParamInterface &) = delete;
	NormalizedParamInterface &operator=(const NormalizedParamInterface &) = delete;
	~NormalizedParamInterface() override = default;

	// Sets the real value and derives the normalised one.
	virtual void init(double real, int level);

	// Texts are written into len bytes at most, terminator included.
	virtual void get_name(char *txt_ptr, long len) const = 0;
	virtual void get_unit(char *txt_ptr, long len) const = 0;
	virtual int get_range_type() const
	{
		return RangeType_CONTINUOUS;
	}

	// Run after both values were changed from outside: push the real value on.
	virtual void do_set_val() {}

	virtual double denormalize_val(float nval) const = 0;
	virtual float normalize_val(double val) const = 0;
	virtual void do_print_val(char *txt_ptr, long len, double val) const = 0;
	// ok is false when the text cannot be parsed.
	virtual double do_scan_val(const char *txt_0, bool &ok) const = 0;

	// The change from outside: normalised value, real value, do_set_val(),
	// then the notification target. An out-of-range value is clamped to 0..1;
	// NaN is refused (returns false, nothing changes).
	bool set_from_normalized(float nval);

	// Clamps to 0..1; false for NaN.
	static bool sanitize_normalized(float &nval) noexcept;

	double get_val() const noexcept
	{
		return _val.load(std::memory_order_acquire);
	}
	float get_nval() const noexcept
	{
		return _nval.load(std::memory_order_acquire);
	}
	int get_automation_level() const noexcept
	{
		return _automation_level;
	}
	// The current value as display text.
	void print_val(char *txt_ptr, long len) const
	{
		do_print_val(txt_ptr, len, get_val());
	}

protected:
	// Sequentially consistent: set_from_normalized reads the normalised value
	// back after storing the real one, to settle a race with another writer.
	void set_val_raw(double val) noexcept
	{
		_val.store(val);
	}
	void set_nval_raw(float nval) noexcept
	{
		_nval.store(nval);
	}

private:
	static constexpr int MAX_SETTLE = 8;

	// Written by control threads (the host's automation may come from its
	// audio thread, programs and chunks from another), read by the audio
	// thread after a notification flag: never seen half-written.
	std::atomic<double> _val{0};
	std::atomic<float> _nval{0};
	int _automation_level = 0;
};

}  // namespace rivo

// Remembers that a sample went beyond full scale, until the editor's light clears it.
#pragma once

#include <atomic>

namespace dsp
{

class ClipDetector
{
public:
	virtual ~ClipDetector() = default;

	// Inactive detection also forgets a clip seen before.
	void activate_detection(bool flag) noexcept;
	bool is_active() const noexcept
	{
		return _active.load(std::memory_order_relaxed);
	}
	// Flags the first sample whose magnitude exceeds 1 (NaN counts as a clip).
	void process_block(const float *data_ptr, long nbr_spl) noexcept;
	bool is_clipping() const noexcept
	{
		return _clipping.load(std::memory_order_relaxed);
	}
	void clear_state() noexcept
	{
		_clipping.store(false, std::memory_order_relaxed);
	}

private:
	// The audio thread sets, the editor thread polls and clears.
	std::atomic<bool> _active{false};
	std::atomic<bool> _clipping{false};
};

}  // namespace dsp

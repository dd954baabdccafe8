// Parameter changes on their way to the editor. The host may set
// parameters from its audio thread, which must never wait for the editor or
// draw: it posts the value here, lock-free and without allocating, and the
// editor moves its controls when its next idle pump collects them. For each
// parameter only the latest value counts.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>

namespace rivo
{

class ParamChangeBoard
{
	static_assert(std::atomic<uint64_t>::is_always_lock_free, "posting must never lock");

public:
	explicit ParamChangeBoard(int nbr_params)
	: _nbr(nbr_params > 0 ? nbr_params : 0),
	  _values(new std::atomic<uint64_t>[size_t(_nbr)]),
	  _dirty(new std::atomic<uint64_t>[size_t((_nbr + 63) / 64)])
	{
		for (int i = 0; i < _nbr; ++i)
		{
			_values[size_t(i)].store(0, std::memory_order_relaxed);
		}
		for (int w = 0; w < (_nbr + 63) / 64; ++w)
		{
			_dirty[size_t(w)].store(0, std::memory_order_relaxed);
		}
	}

	int get_nbr_params() const noexcept
	{
		return _nbr;
	}

	// Any thread. An index out of range is ignored.
	void post(int index, float nval, int prio) noexcept
	{
		if (index < 0 || index >= _nbr)
		{
			return;
		}
		uint32_t bits;
		std::memcpy(&bits, &nval, sizeof(bits));
		_values[size_t(index)].store(uint64_t(uint32_t(prio)) << 32 | bits, std::memory_order_relaxed);
		_dirty[size_t(index / 64)].fetch_or(uint64_t(1) << (index % 64), std::memory_order_release);
	}

	// The editor's thread: f(index, nval, prio) for every parameter posted
	// since the last call, in index order. A value posted meanwhile may be
	// seen now and once more at the next call.
	template <class F>
	void collect(F f)
	{
		for (int w = 0; w < (_nbr + 63) / 64; ++w)
		{
			uint64_t bits = _dirty[size_t(w)].exchange(0, std::memory_order_acquire);
			while (bits != 0)
			{
				const int b = __builtin_ctzll(bits);
				bits &= bits - 1;
				const int index = w * 64 + b;
				const uint64_t v = _values[size_t(index)].load(std::memory_order_relaxed);
				const uint32_t val_bits = uint32_t(v);
				float nval;
				std::memcpy(&nval, &val_bits, sizeof(nval));
				f(index, nval, int(int32_t(uint32_t(v >> 32))));
			}
		}
	}

private:
	int _nbr;
	std::unique_ptr<std::atomic<uint64_t>[]> _values;
	std::unique_ptr<std::atomic<uint64_t>[]> _dirty;
};

}  // namespace rivo

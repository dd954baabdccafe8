// "Tempo", 60..240 BPM. When the host supplies a tempo, the host's always wins.
#pragma once

#include "engine/ParamGlobalNamed.h"
#include "params/TimeUnit.h"

#include <atomic>

class ParamTempo : public ParamGlobalNamed
{
public:
	static constexpr double MIN_TEMPO = 60;
	static constexpr double MAX_TEMPO = 240;

	void init(double val, int level, rivo::TimeUnit &time_unit);
	void set_can_host_do_tempo(bool flag) noexcept
	{
		_host_tempo_flag.store(flag, std::memory_order_relaxed);
	}
	bool can_host_do_tempo() const noexcept
	{
		return _host_tempo_flag.load(std::memory_order_relaxed);
	}
	// The host's tempo: into the time base, then into the parameter.
	void force_tempo(float bpm);

	void get_unit(char *txt_ptr, long len) const override;
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
	void do_set_val() override;

private:
	void take_value(double val);

	rivo::TimeUnit *_time_unit_ptr = nullptr;
	std::atomic<bool> _host_tempo_flag{false};  // set on the dispatcher thread, read where "Tempo" is set
};

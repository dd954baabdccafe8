// The audio engine as the host adapter drives it.
#pragma once

#include "params/NormalizedParamInterface.h"
#include "sys/SharedPtr.h"

#include <string>

namespace rivo
{

class GuiInterface;
class HostDspInterface;
class PinProperty;
class ProgramSlot;

class DspInterface
{
public:
	using ParamPtr = basic::SharedPtr<NormalizedParamInterface>;

	virtual ~DspInterface() = default;

	virtual int init() = 0;
	virtual void set_default_state() = 0;
	virtual void restore() = 0;
	virtual HostDspInterface *get_host() const = 0;
	virtual void set_host(HostDspInterface &host) = 0;
	virtual GuiInterface *get_gui() const = 0;
	virtual void set_gui(GuiInterface &gui) = 0;
	virtual int get_nbr_in_pin() const = 0;
	virtual const PinProperty &get_input_pin_prop(int pin) const = 0;
	virtual int get_nbr_out_pin() const = 0;
	virtual const PinProperty &get_output_pin_prop(int pin) const = 0;
	virtual int get_min_sample_freq() const = 0;
	virtual int get_max_sample_freq() const = 0;
	virtual void set_sample_freq(float fs) = 0;
	virtual void set_sample_scale(float scale) = 0;
	virtual int get_nbr_param() const = 0;
	// index below get_nbr_param().
	virtual const ParamPtr &get_param_ref(int index) const = 0;
	virtual void set_program_name(const std::string &name) = 0;
	virtual std::string get_program_name() const = 0;
	// A message addressed by an index at or above the parameter count.
	virtual void send_scalar_msg(int msg, float val) = 0;
	virtual double get_property(const char *key_0) const = 0;
	virtual std::string get_string_property(const char *key_0) const = 0;
	// Requests a clear of all internal state, served by the next block.
	virtual void clear_buffers() = 0;
	virtual void set_tempo(float bpm) = 0;
	virtual void do_set_program(const ProgramSlot &slot) = 0;
	virtual void do_get_program(ProgramSlot &slot) = 0;
	// Render n frames; out and in hold one pointer per channel.
	virtual bool do_process_replacing(float **out, const float **in, long n, bool flag) = 0;
	virtual bool do_process_mix(float **out, const float **in, long n, bool flag) = 0;
};

}  // namespace rivo

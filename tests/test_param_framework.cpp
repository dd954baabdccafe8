// Parameter contract: naming mix-ins, the normalised/real coupling, notification
// and the registry.
#include "params/NotificationFlag.h"
#include "params/ParamNamed.h"
#include "params/ParamNumbered.h"
#include "params/PluginInternal.h"
#include "sys/basic_fnc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace
{

// A band frequency as the engine has it: 40 Hz * 256^n, printed in five digits.
class FreqParam : public rivo::ParamNamed
{
public:
	void get_unit(char *txt, long len) const override
	{
		basic::strncpy_0(txt, "Hz", len);
	}
	double denormalize_val(float n) const override
	{
		return 40.0 * std::pow(256.0, double(n));
	}
	float normalize_val(double v) const override
	{
		return float(std::log(v / 40.0) / std::log(256.0));
	}
	void do_print_val(char *txt, long len, double v) const override
	{
		char tmp[16];
		basic::print_float(tmp, v, 5);
		basic::strncpy_0(txt, tmp, len);
	}
	double do_scan_val(const char *txt, bool &ok) const override
	{
		double v = 0;
		ok = std::sscanf(txt, "%lf", &v) == 1;
		return ok ? std::fmin(std::fmax(v, 40.0), 10240.0) : 0.0;
	}
	void do_set_val() override
	{
		++set_count;
		pushed = get_val();
	}

	int set_count = 0;
	double pushed = 0;

protected:
	void do_get_name_prefix(char *txt, long len) const override
	{
		basic::strncpy_0(txt, prefix.c_str(), len);
	}
	void do_get_name(char *txt, long len) const override
	{
		basic::strncpy_0(txt, suffix.c_str(), len);
	}

public:
	std::string prefix;
	std::string suffix;
};

class VoiceParam : public rivo::ParamNumbered
{
public:
	void get_unit(char *txt, long len) const override
	{
		basic::strncpy_0(txt, "", len);
	}
	int get_range_type() const override
	{
		return RangeType_INTEGER;
	}
	double denormalize_val(float n) const override
	{
		return std::floor(double(n) * 2 + 0.5);
	}
	float normalize_val(double v) const override
	{
		return float(v / 2);
	}
	void do_print_val(char *txt, long len, double v) const override
	{
		static const char *const names[] = {"Dirty Bird", "Fat Cat", "Mad Cow"};
		basic::strncpy_0(txt, names[int(v)], len);
	}
	double do_scan_val(const char *, bool &ok) const override
	{
		ok = false;
		return 0;
	}

protected:
	void do_get_name_prefix(char *txt, long len) const override
	{
		basic::strncpy_0(txt, "V ", len);
	}
	void do_get_name(char *txt, long len) const override
	{
		basic::strncpy_0(txt, " Depth", len);
	}
};

struct CountingFlag : rivo::NotificationFlag
{
	int sets = 0;
	int resets = 0;
	rivo::NotifierInterface *last = nullptr;
	void notify(rivo::NotifierInterface &n) override
	{
		last = &n;
		rivo::NotificationFlag::notify(n);
	}

protected:
	void do_set() override
	{
		++sets;
	}
	void do_reset() override
	{
		++resets;
	}
};

struct RecordingLfo : rivo::FullLfoParamBase
{
	RecordingLfo(std::vector<int> &log_arg, int id_arg) : log(log_arg), id(id_arg) {}
	void set_phase(float) override {}
	void update_time() override
	{
		log.push_back(id);
	}
	void notify(rivo::NotifierInterface &) override {}
	std::vector<int> &log;
	int id;
};

}  // namespace

TEST(ParamNamed, NameIsPrefixStoredNameSuffix)
{
	FreqParam p;
	p.prefix = "V 1";
	p.suffix = " Hz";
	p.init(640.0, 3, " BPF Freq");
	char buf[64];
	p.get_name(buf, sizeof(buf));
	EXPECT_STREQ(buf, "V 1 BPF Freq Hz");
	EXPECT_EQ(p.get_automation_level(), 3);
	EXPECT_NEAR(p.get_nval(), 0.5f, 1e-6);  // 40 * 256^0.5 = 640
}

TEST(ParamNamed, FullBufferStopsWritingAtBound)
{
	FreqParam p;
	p.prefix = "Prefix-";
	p.suffix = "-a-suffix-that-would-overflow";
	p.init(40.0, 0, "a-long-stored-name");
	char buf[40];
	std::memset(buf, 'Z', sizeof(buf));
	p.get_name(buf, 23);
	EXPECT_EQ(std::strlen(buf), 22u);
	EXPECT_EQ(std::string(buf), std::string("Prefix-a-long-stored-n"));
	for (size_t i = 23; i < sizeof(buf); ++i)
	{
		ASSERT_EQ(buf[i], 'Z') << "byte " << i << " written past the bound";
	}

	// A prefix that fills the buffer alone leaves no room for the rest.
	p.prefix = std::string(40, 'p');
	p.get_name(buf, 10);
	EXPECT_EQ(std::string(buf), std::string(9, 'p'));
}

TEST(ParamNumbered, UnitNumberShownCountedFromOne)
{
	VoiceParam p;
	p.init(1.0, 0, 0);
	char buf[23];
	p.get_name(buf, sizeof(buf));
	EXPECT_STREQ(buf, "V 1 Depth");
	VoiceParam q;
	q.init(2.0, 0, 3);
	q.get_name(buf, sizeof(buf));
	EXPECT_STREQ(buf, "V 4 Depth");
	EXPECT_EQ(q.get_param_nbr(), 3);
	EXPECT_EQ(q.get_range_type(), rivo::NormalizedParamInterface::RangeType_INTEGER);
}

TEST(NormalizedParam, ChangeFromOutsideSetsBothValuesPushesAndNotifies)
{
	FreqParam p;
	p.init(40.0, 0, "f");
	CountingFlag flag;
	p.set_notification_target(&flag);
	ASSERT_TRUE(p.set_from_normalized(0.25f));
	EXPECT_EQ(p.get_nval(), 0.25f);
	EXPECT_NEAR(p.get_val(), 40.0 * std::pow(256.0, 0.25), 1e-9);  // 160 Hz
	EXPECT_EQ(p.set_count, 1);
	EXPECT_EQ(p.pushed, p.get_val());  // do_set_val sees the new real value
	EXPECT_TRUE(flag());
	EXPECT_EQ(flag.sets, 1);
	EXPECT_EQ(flag.last, &p);
	char buf[23];
	p.print_val(buf, sizeof(buf));
	EXPECT_STREQ(buf, "160.0");
}

TEST(NormalizedParam, OutOfRangeIsClampedAndNanRefused)
{
	FreqParam p;
	p.init(640.0, 0, "f");
	ASSERT_TRUE(p.set_from_normalized(1.7f));
	EXPECT_EQ(p.get_nval(), 1.0f);
	EXPECT_NEAR(p.get_val(), 10240.0, 1e-6);
	ASSERT_TRUE(p.set_from_normalized(-3.0f));
	EXPECT_EQ(p.get_nval(), 0.0f);
	EXPECT_FALSE(p.set_from_normalized(std::numeric_limits<float>::quiet_NaN()));
	EXPECT_EQ(p.get_nval(), 0.0f);
	EXPECT_EQ(p.set_count, 2);  // the refused value reached nothing
}

TEST(NormalizedParam, WithoutTargetNothingIsNotified)
{
	FreqParam p;
	p.init(40.0, 0, "f");
	EXPECT_TRUE(p.set_from_normalized(0.5f));
	EXPECT_EQ(p.get_notification_target(), nullptr);
}

TEST(NormalizedParam, ScanRoundTripAndUnparsableText)
{
	FreqParam p;
	p.init(40.0, 0, "f");
	bool ok = false;
	const double v = p.do_scan_val("2560", ok);
	ASSERT_TRUE(ok);
	EXPECT_NEAR(p.normalize_val(v), 0.75f, 1e-6);
	p.do_scan_val("loud", ok);
	EXPECT_FALSE(ok);
}

TEST(NotificationFlag, SetAndResetRunHooks)
{
	CountingFlag flag;
	EXPECT_FALSE(flag.get_state());
	flag.set();
	EXPECT_TRUE(flag.get_state());
	flag.reset();
	EXPECT_FALSE(flag());
	EXPECT_EQ(flag.sets, 1);
	EXPECT_EQ(flag.resets, 1);
	rivo::NotificationFlag preset(true);
	EXPECT_TRUE(preset());
}

TEST(PluginInternal, RegistersInIndexOrderAndUpdatesLfosInOrder)
{
	rivo::PluginInternal reg;
	std::vector<FreqParam *> raw;
	for (int i = 0; i < 5; ++i)
	{
		auto *p = new FreqParam;
		p->init(40.0 * (i + 1), 0, "f");
		raw.push_back(p);
		reg.register_param(rivo::PluginInternal::ParamPtr(p));
	}
	ASSERT_EQ(reg.get_nbr_registered_param(), 5);
	for (int i = 0; i < 5; ++i)
	{
		EXPECT_EQ(reg.use_registered_param(i).get(), raw[size_t(i)]);
	}

	std::vector<int> log;
	RecordingLfo a(log, 1);
	RecordingLfo b(log, 2);
	RecordingLfo c(log, 3);
	reg.register_lfo(b);
	reg.register_lfo(a);
	reg.register_lfo(c);
	reg.get_time_unit().set_tempo(140);
	reg.update_tempo_lfos();
	EXPECT_EQ(log, (std::vector<int>{2, 1, 3}));
	EXPECT_EQ(reg.get_nbr_registered_lfo(), 3);
	EXPECT_EQ(static_cast<const rivo::PluginInternal &>(reg).get_time_unit().get_tempo(), 140);
}

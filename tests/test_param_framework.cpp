// Parameter contract: name assembly within its bound, and the change from
// outside that couples the normalised and real values and notifies.
#include "params/NotificationFlag.h"
#include "params/ParamNamed.h"
#include "sys/basic_fnc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

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
	double do_scan_val(const char *, bool &ok) const override
	{
		ok = false;
		return 0;
	}
	void do_set_val() override
	{
		++set_count;
		pushed = get_val();
	}

	int set_count = 0;
	double pushed = 0;
	std::string prefix;
	std::string suffix;

protected:
	void do_get_name_prefix(char *txt, long len) const override
	{
		basic::strncpy_0(txt, prefix.c_str(), len);
	}
	void do_get_name(char *txt, long len) const override
	{
		basic::strncpy_0(txt, suffix.c_str(), len);
	}
};

struct CountingFlag : rivo::NotificationFlag
{
	int sets = 0;
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
};

}  // namespace

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
	EXPECT_TRUE(flag.take());
	EXPECT_FALSE(flag.take());  // taking clears the flag
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

// A key holding one value.
#pragma once

#include "config/ConfKeyContentInterface.h"
#include "config/ConfKeyInterface.h"

#include <memory>
#include <string>

namespace basic
{

class ConfKeyData : public ConfKeyInterface
{
public:
	ConfKeyData();
	explicit ConfKeyData(const std::string &name);
	ConfKeyData(const std::string &name, const std::string &text);
	ConfKeyData(const std::string &name, const ConfKeyContentInterface &content);
	ConfKeyData(const ConfKeyData &other);
	ConfKeyData &operator=(const ConfKeyData &other);

	ConfKeyContentInterface &use_content() noexcept
	{
		return *_content;
	}
	const ConfKeyContentInterface &use_content() const noexcept
	{
		return *_content;
	}
	void set_content(const ConfKeyContentInterface &content)
	{
		_content = content.clone();
	}
	void set_content(std::unique_ptr<ConfKeyContentInterface> content)
	{
		_content = std::move(content);
	}

protected:
	void do_write_to_string(std::string &txt, Context &ctx) const override;
	ConfKeyInterface *do_clone() const override
	{
		return new ConfKeyData(*this);
	}

private:
	std::unique_ptr<ConfKeyContentInterface> _content;  // never null
};

}  // namespace basic

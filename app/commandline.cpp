#include "commandline.h"

#include <cstdio>
#include <string_view>

#include "programinfo.h"

namespace kalmoro {

namespace {

// How a Qt option takes its value: none, as the next argument, as the next argument or after
// '=' in the same one, or only after '='.
enum class Value { None, Next, NextOrJoined, Joined };

struct QtOption {
    std::string_view name;
    Value value;
};

// The options QGuiApplication, QApplication and the X11 platform read from the command line.
constexpr QtOption kQtOptions[] = {
    {"platform", Value::Next},
    {"platformpluginpath", Value::Next},
    {"platformtheme", Value::Next},
    {"plugin", Value::Next},
    {"qwindowgeometry", Value::Next},
    {"qwindowicon", Value::Next},
    {"qwindowtitle", Value::Next},
    {"session", Value::Next},
    {"display", Value::Next},
    {"geometry", Value::Next},
    {"title", Value::Next},
    {"icon", Value::Next},
    {"name", Value::Next},
    {"style", Value::NextOrJoined},
    {"stylesheet", Value::NextOrJoined},
    {"qmljsdebugger", Value::Joined},
    {"reverse", Value::None},
    {"widgetcount", Value::None},
    {"nograb", Value::None},
    {"dograb", Value::None},
};

const QtOption *findQtOption(std::string_view name)
{
    for (const QtOption &option : kQtOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

CommandLine refuse(std::string refusal)
{
    CommandLine line;
    line.request = CommandLine::Request::Refuse;
    line.refusal = std::move(refusal);
    return line;
}

std::string quoted(std::string_view argument)
{
    return "“" + std::string(argument) + "”";
}

} // namespace

CommandLine ReadCommandLine(int argc, char *argv[])
{
    CommandLine line;
    if (argc > 0)
        line.qtArguments.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help")
            return {CommandLine::Request::Help, {}, {}, {}, {}};
        if (argument == "-v" || argument == "--version")
            return {CommandLine::Request::Version, {}, {}, {}, {}};
        if (!argument.empty() && argument[0] != '-' && line.jobFile.empty()) {
            line.jobFile = argument;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-')
            return refuse("多余的参数 " + quoted(argument));
        // Qt takes its options with one dash or two.
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool joined = equals != std::string_view::npos;
        const QtOption *option = findQtOption(name.substr(0, equals));
        if (!option || (joined && option->value != Value::NextOrJoined && option->value != Value::Joined))
            return refuse("未知选项 " + quoted(argument));
        line.qtArguments.push_back(argv[i]);
        const bool platform = name.substr(0, equals) == "platform";
        if (joined) {
            if (platform)
                line.platform = std::string(name.substr(equals + 1));
            continue;
        }
        if (option->value == Value::Joined)
            return refuse("选项 " + quoted(argument) + " 的值须以 = 相连");
        if (option->value != Value::None) {
            if (i + 1 == argc)
                return refuse("选项 " + quoted(argument) + " 缺少值");
            line.qtArguments.push_back(argv[++i]);
            if (platform)
                line.platform = argv[i];
        }
    }
    line.qtArguments.push_back(nullptr);
    return line;
}

int AnswerCommandLine(const CommandLine &line)
{
    switch (line.request) {
    case CommandLine::Request::Help:
        std::fputs("用法：kalmoro [Qt 选项] [报价单文件.kalmoro]\n"
                   "      kalmoro --help | --version\n"
                   "Kalmoro 中央空调工具箱：加氟计算、铜管计算、水管选择、风口价格、空调选型、\n"
                   "关于软件与冷媒压力七页，以及汇总报价的报价单窗口。\n"
                   "给出报价单文件时，启动后在报价单窗口中打开它；相对路径从启动时的文件夹算起。\n"
                   "没有图形桌面（DISPLAY / WAYLAND_DISPLAY）时，程序说明原因并以状态 1 结束。\n"
                   "\n"
                   "  -h, --help     显示本说明后退出\n"
                   "  -v, --version  显示版本后退出\n"
                   "Qt 选项：所有 Qt 程序共有的选项，例如 -platform 名称、-style 名称。\n"
                   "详见 man kalmoro。\n",
            stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs("kalmoro " KALMORO_VERSION "\n", stdout);
        return 0;
    case CommandLine::Request::Refuse:
        std::fprintf(stderr, "kalmoro: %s\n用法见 kalmoro --help\n", line.refusal.c_str());
        return 2;
    case CommandLine::Request::Run:
        break;
    }
    return 0;
}

} // namespace kalmoro

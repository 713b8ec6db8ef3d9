#include "tests/support/TestSupport.h"

#ifdef _WIN32
#include "tests/support/TestPrefix.h"
#endif

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace testsupport {

namespace {

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

std::string uniqueName()
{
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "rs-test-" + std::to_string(device()) + "-" + std::to_string(ticks % 1000000) + "-" +
           std::to_string(counter++);
}

} // namespace

std::string dataDir()
{
    return REELSTACK_TEST_DATA_DIR;
}

std::vector<uint8_t> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

TempDir::TempDir()
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / uniqueName();
    std::filesystem::create_directories(dir);
    m_path = dir.string();
}

TempDir::~TempDir()
{
#ifdef _WIN32
    TestPrefix::removeTree(m_path);
#else
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
#endif
}

std::string TempDir::file(const std::string& name) const
{
    return m_path + kSeparator + name;
}

} // namespace testsupport

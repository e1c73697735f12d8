#include "ImageDecode.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <thread>
#include <string.h>
#include <vector>

#include <fcntl.h>
#include <stdint.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <FXPNGImage.h>

#include "ImageFileRules.h"
#include "ImageRules.h"

// AddressSanitizer reserves terabytes of address space for its shadow
// memory, so a decoding process built with it gets no address-space limit.
#if defined(__SANITIZE_ADDRESS__)
#define QG_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QG_ADDRESS_SANITIZER 1
#endif
#endif

namespace FX {
// Exported by the toolkit but not declared in its TGA header.
extern FXAPI bool fxloadTGA(FXStream& store, FXColor*& data, FXint& width, FXint& height);
}  // namespace FX

using namespace FX;

namespace ImageDecode {

DecodedPixels& DecodedPixels::operator=(DecodedPixels&& other) noexcept {
  if (this != &other) {
    reset();
    map = other.map;
    bytes = other.bytes;
    w = other.w;
    h = other.h;
    other.map = nullptr;
    other.bytes = 0;
    other.w = other.h = 0;
  }
  return *this;
}

void DecodedPixels::reset() {
  if (map) munmap(map, bytes);
  map = nullptr;
  bytes = 0;
  w = h = 0;
}

bool DecodedPixels::reserve(size_t n) {
  // Room of this size already there is kept, with its pages mapped in.
  if (map && n > 0 && n <= ((size_t)-1) / sizeof(FXColor) && bytes == n * sizeof(FXColor)) {
    w = h = 0;
    return true;
  }
  reset();
  if (n == 0 || n > ((size_t)-1) / sizeof(FXColor)) return false;
  // Shared with the decoding process, which puts the pixels there.
  void* m = mmap(nullptr, n * sizeof(FXColor), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (m == MAP_FAILED) return false;
  map = m;
  bytes = n * sizeof(FXColor);
  return true;
}

namespace {
typedef bool (*Decoder)(FXStream&, FXColor*&, FXint&, FXint&);

// The toolkit's decoder of the file type named by the extension.
Decoder decoderFor(const FXString& extension) {
  const FXString ext = FXString(extension).lower();
  if (ext == "gif") return fxloadGIF;
  if (ext == "bmp") return fxloadBMP;
  if (ext == "pcx") return fxloadPCX;
  if (ext == "tga") return fxloadTGA;
  if (ext == "ppm" || ext == "pgm") return fxloadPPM;
  if (ext == "lbm") return fxloadIFF;
  if (ext == "ras") return fxloadRAS;
  if (ext == "png") return fxloadPNG;
  return nullptr;
}

// Whether memory can hold n bytes read from a file: no more than the
// machine has, and the room for them is given.
bool makeRoom(std::vector<unsigned char>* bytes, long long n) {
  const long long pages = sysconf(_SC_PHYS_PAGES), page = sysconf(_SC_PAGESIZE);
  if (n < 0 || (pages > 0 && page > 0 && n / page >= pages)) return false;
  try {
    bytes->resize((size_t)n);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

// The whole file, or false when it cannot be read or held.
bool readWholeFile(const FXString& path, std::vector<unsigned char>* bytes) {
  const int fd = open(path.text(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && makeRoom(bytes, (long long)st.st_size);
  if (ok) {
    size_t got = 0;
    while (ok && got < bytes->size()) {
      const ssize_t r = read(fd, bytes->data() + got, bytes->size() - got);
      if (r < 0 && errno == EINTR) continue;
      if (r <= 0) ok = false;
      else got += (size_t)r;
    }
  }
  close(fd);
  return ok;
}

// What the decode needs, made before the child process starts.
struct Job {
  FXString path;
  Decoder decoder = nullptr;
  const std::vector<unsigned char>* runLengthBmp = nullptr;  // the file, when the program decodes it
  DecodedPixels* out = nullptr;
};

// The answer of the decoding process, written to the pipe once the pixels
// stand in the shared room.
struct Answer {
  uint32_t mark;
  int32_t ok, w, h;
};
const uint32_t ANSWER_MARK = 0x51474458;

// Clears the stack below the caller. The decoders leave colour-table
// entries a file does not give unset on their stack, and pixels that use
// them would show whatever the program's stack held there.
__attribute__((noinline)) void clearStackBelow() {
  unsigned char area[256 * 1024];
  explicit_bzero(area, sizeof area);
}

// Decodes the job's file; the pixels are the toolkit's (released with
// FXFREE) or kept in own.
bool decode(const Job& job, FXColor** pixels, int* w, int* h, std::vector<FXColor>* own) {
  if (job.runLengthBmp) {
    const std::vector<unsigned char>& f = *job.runLengthBmp;
    if (!ImageRules::decodeRunLengthBmp(f.data(), f.size(), own, w, h)) return false;
    *pixels = own->data();
    return true;
  }
  FXFileStream stream;
  if (!stream.open(job.path, FXStreamLoad, 8192)) return false;
  FXint fw = 0, fh = 0;
  clearStackBelow();
  // A file that ends before its picture does is refused rather than shown
  // with the missing part made up.
  const bool ok = job.decoder(stream, *pixels, fw, fh) && *pixels && fw > 0 && fh > 0 && stream.status() == FXStreamOK;
  *w = fw;
  *h = fh;
  return ok;
}

bool writeAll(int fd, const void* data, size_t bytes) {
  const char* p = (const char*)data;
  while (bytes > 0) {
    const ssize_t r = write(fd, p, bytes);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    p += r;
    bytes -= (size_t)r;
  }
  return true;
}

// Virtual memory of this process now, in bytes; 0 when unknown.
size_t addressSpaceInUse() {
  FILE* f = fopen("/proc/self/statm", "r");
  if (!f) return 0;
  unsigned long long pages = 0;
  const bool ok = fscanf(f, "%llu", &pages) == 1;
  fclose(f);
  return ok ? (size_t)(pages * (unsigned long long)sysconf(_SC_PAGESIZE)) : 0;
}

void setLimit(int resource, rlim_t value) {
  struct rlimit r;
  r.rlim_cur = r.rlim_max = value;
  setrlimit(resource, &r);
}

// The decoding process: limits, the decode, the answer, _exit. It never
// returns.
[[noreturn]] void runChild(const Job& job, int answerFd, pid_t parent, int timeoutMs, size_t memoryAllowance) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(1);
  const int faults[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGPIPE, SIGXCPU};
  for (int s : faults) signal(s, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  setLimit(RLIMIT_CORE, 0);
  setLimit(RLIMIT_CPU, (rlim_t)(timeoutMs / 1000 + 2));
  if (addressSpaceLimited())
    if (const size_t inUse = addressSpaceInUse()) setLimit(RLIMIT_AS, (rlim_t)(inUse + memoryAllowance));
  // This process's view of the shared room is mapped in while it decodes.
  std::thread mapIn;
  try {
    mapIn = std::thread([&job]() { prefaultPages(job.out->data(), job.out->capacity() * sizeof(FXColor)); });
  } catch (const std::exception&) {
  }
  FXColor* pixels = nullptr;
  std::vector<FXColor> own;
  int w = 0, h = 0;
  const bool ok = decode(job, &pixels, &w, &h, &own);
  if (mapIn.joinable()) mapIn.join();
  // A picture larger than the room is not copied; the program refuses it.
  const size_t n = (size_t)w * (size_t)h;
  if (ok && n <= job.out->capacity()) ImageRules::copyPixels(pixels, job.out->data(), n, 4);
  const Answer a = {ANSWER_MARK, ok ? 1 : 0, w, h};
  writeAll(answerFd, &a, sizeof a);
  _exit(0);
}

long long millisecondsNow() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

enum Reading { READ, ENDED, LATE };

// Reads bytes from the child until the deadline. What has arrived is read
// even when the deadline has passed before the pipe is looked at.
Reading readUntil(int fd, long long deadline, void* into, size_t bytes) {
  char* p = (char*)into;
  while (bytes > 0) {
    const long long left = deadline - millisecondsNow();
    struct pollfd q = {fd, POLLIN, 0};
    const int ready = poll(&q, 1, left <= 0 ? 0 : (int)(left < 1000000 ? left : 1000000));
    if (ready < 0 && errno != EINTR) return ENDED;
    if (ready == 0 && left <= 0) return LATE;
    if (ready <= 0) continue;
    const ssize_t r = read(fd, p, bytes);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return ENDED;  // the child ended before it had said all
    p += r;
    bytes -= (size_t)r;
  }
  return READ;
}

// Reads the answer; the child's pixels stand in out when it decoded a
// picture no larger than the room the checked file asked for.
Outcome readDecodedPicture(int fd, int timeoutMs, DecodedPixels* out) {
  Answer a;
  const Reading r = readUntil(fd, millisecondsNow() + timeoutMs, &a, sizeof a);
  if (r == READ && a.mark != ANSWER_MARK) return CRASHED;
  if (r == READ && (!a.ok || a.w <= 0 || a.h <= 0 || (size_t)a.w * (size_t)a.h > out->capacity())) return FAILED;
  if (r == LATE) return TIMED_OUT;
  if (r == ENDED) return CRASHED;
  out->setSize(a.w, a.h);
  return DECODED;
}

// Runs the job in a child process and waits for it, killing it at the
// deadline; the child is always reaped. The time limit counts once the
// work meanwhile is done: that work may outlast the decode.
Outcome runSandboxed(const Job& job, int timeoutMs, size_t memoryAllowance, const std::function<void()>& meanwhile,
                     EndingChild* ending) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return FAILED;
  const pid_t parent = getpid();
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    runChild(job, fds[1], parent, timeoutMs, memoryAllowance);
  }
  close(fds[1]);
  if (child < 0) {
    close(fds[0]);
    return FAILED;
  }
  if (meanwhile) meanwhile();
  const Outcome outcome = readDecodedPicture(fds[0], timeoutMs, job.out);
  close(fds[0]);
  // Once it has answered the child has nothing left to do; nothing it
  // might still run touches the shared room.
  kill(child, SIGKILL);
  EndingChild here;
  (ending ? ending : &here)->set(child);
  return outcome;
}
}  // namespace

bool addressSpaceLimited() {
#ifdef QG_ADDRESS_SANITIZER
  return false;
#else
  return true;
#endif
}

void prefaultPages(void* memory, size_t bytes) {
  if (!memory || bytes == 0) return;
  // The system maps a whole range in at once where it can; else a write
  // to each page maps it in.
  const size_t page = (size_t)sysconf(_SC_PAGESIZE);
  const uintptr_t first = ((uintptr_t)memory + page - 1) / page * page;
  const uintptr_t end = (uintptr_t)memory + bytes;
#ifdef MADV_POPULATE_WRITE
  if (end > first && madvise((void*)first, end - first, MADV_POPULATE_WRITE) == 0) return;
#endif
  volatile unsigned char* p = (volatile unsigned char*)memory;
  for (size_t at = 0; at < bytes; at += page) p[at] = 0;
}

void EndingChild::wait() {
  if (pid <= 0) return;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  pid = -1;
}

void EndingChild::set(int processId) {
  wait();
  pid = processId;
}

bool checkImageFile(const FXString& path, const FXString& extension, CheckedFile* file, const Limits& limits) {
  *file = CheckedFile();
  file->path = path;
  file->extension = extension;
  std::vector<unsigned char>& bytes = file->bytes;
  if (!decoderFor(extension) || !readWholeFile(path, &bytes)) return false;
  file->pixels = limits.uncheckedPixels;
  bool programDecodes = false;
  if (limits.checkFile) {
    ImageRules::ImageFileHeader header;
    if (!ImageRules::inspectImageFile(bytes.data(), bytes.size(), extension, &header)) return false;
    file->width = header.width;
    file->height = header.height;
    file->pixels = (size_t)header.width * (size_t)header.height;
    programDecodes = header.runLengthBmp;
  }
  // The decoder reads the file itself: its bytes are kept only where the
  // program decodes them.
  if (!programDecodes) std::vector<unsigned char>().swap(bytes);
  return true;
}

Outcome decodeCheckedFile(const CheckedFile& file, DecodedPixels* out, const Limits& limits,
                          const WhileDecoding& whileDecoding, EndingChild* ending) {
  Job job;
  job.path = file.path;
  job.decoder = decoderFor(file.extension);
  job.out = out;
  if (!file.bytes.empty()) job.runLengthBmp = &file.bytes;
  const size_t pixels = file.pixels;
  if (!job.decoder || !out->reserve(pixels)) return FAILED;
  const int timeoutMs = limits.timeoutMs > 0 ? limits.timeoutMs : 2000 + (int)(pixels / 25000);
  // The decoders keep at most one more copy of the picture beside their
  // own small buffers.
  const size_t allowance = 2 * pixels * sizeof(FXColor) + file.bytes.size() + ((size_t)256 << 20);
  // The room for the pixels is mapped in while the child decodes, on a
  // thread of its own while the caller works.
  const std::function<void()> meanwhile = [&]() {
    std::thread mapIn;
    try {
      mapIn = std::thread([out]() { prefaultPages(out->data(), out->capacity() * sizeof(FXColor)); });
    } catch (const std::exception&) {
      prefaultPages(out->data(), out->capacity() * sizeof(FXColor));
    }
    if (whileDecoding && file.width > 0) whileDecoding((int)file.width, (int)file.height);
    if (mapIn.joinable()) mapIn.join();
  };
  const Outcome outcome = runSandboxed(job, timeoutMs, allowance, meanwhile, ending);
  if (outcome != DECODED) out->reset();
  return outcome;
}

Outcome decodeImageFile(const FXString& path, const FXString& extension, DecodedPixels* out, const Limits& limits,
                        const WhileDecoding& whileDecoding, EndingChild* ending) {
  out->reset();
  CheckedFile file;
  if (!checkImageFile(path, extension, &file, limits)) return REFUSED;
  return decodeCheckedFile(file, out, limits, whileDecoding, ending);
}

namespace {
long long memoryForTests = -1;
}  // namespace

void setAvailableMemoryForTests(long long bytes) { memoryForTests = bytes; }

long long availableMemory() {
  if (memoryForTests >= 0) return memoryForTests;
  FILE* f = fopen("/proc/meminfo", "r");
  if (!f) return 0;
  char line[256];
  long long kb = 0;
  while (fgets(line, sizeof line, f))
    if (sscanf(line, "MemAvailable: %lld kB", &kb) == 1) break;
  fclose(f);
  return kb * 1024;
}

}  // namespace ImageDecode

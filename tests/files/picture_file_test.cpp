// The picture writer on real files: its exact bytes, the round trip through the picture reader,
// and the old picture kept whole when a write, a flush or the final move fails.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_image.h"
#include "colvane/canvas/picture_reader.h"
#include "colvane/files/file_seam.h"
#include "colvane/files/picture_file.h"
#include "colvane/files/recovery_file.h"
#include "colvane/frame/file_bytes.h"

namespace {

std::string TempDir() {
  char pattern[] = "/tmp/colvane-files-XXXXXX";
  const char* dir = mkdtemp(pattern);
  return dir ? dir : "/tmp";
}

std::vector<uint8_t> Bytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  ReadFileBytes(path.c_str(), 4u << 20, &bytes);
  return bytes;
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// A canvas with a recognisable pattern: every pixel differs from its neighbours.
CanvasImage PatternCanvas(int seed) {
  CanvasImage canvas;
  MakeBlankPage(&canvas);
  uint8_t* pixels = canvas.canvasImage.Data() + kBitmapHeaderSize;
  for (size_t i = 0; i < canvas.canvasImage.size - kBitmapHeaderSize; ++i)
    pixels[i] = static_cast<uint8_t>((i * 7 + seed) % 251);
  return canvas;
}

// The platform's files, but the Nth write (counted from 1), the flush or the move fails.
int failWriteAt = 0, writesSeen = 0;
bool failFlush = false, failReplace = false;
const PictureSeam* Real() { return PlatformPictureSeam(); }
int FaultyWrite(PictureSeamFile* f, const void* b, uint32_t n) {
  if (++writesSeen == failWriteAt) {  // half the bytes reach the disk, then the disk is full
    Real()->write(f, b, n / 2);
    return -1;
  }
  return Real()->write(f, b, n);
}
int FaultyFlush(PictureSeamFile* f) { return failFlush ? -1 : Real()->flush(f); }
int FaultyReplace(const char* a, const char* b) { return failReplace ? -1 : Real()->replace(a, b); }
PictureSeamFile* RealCreate(const char* p) { return Real()->create(p); }
void RealClose(PictureSeamFile* f) { Real()->close(f); }
int RealRemove(const char* p) { return Real()->remove(p); }
const PictureSeam kFaulty = {RealCreate, FaultyWrite, FaultyFlush, RealClose, FaultyReplace, RealRemove, nullptr};

}  // namespace

TEST(PictureFile, ExactBytesOfTheCanvas) {
  const std::string path = TempDir() + "/Sample1.sam";
  CanvasImage canvas = PatternCanvas(3);
  ASSERT_EQ(WritePictureFile(Real(), path.c_str(), canvas.canvasImage.Data(), canvas.canvasImage.size), 1);
  const std::vector<uint8_t> file = Bytes(path);
  ASSERT_EQ(file.size(), kPictureFileSize);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(ReadLe32(&file[2]), 921654u);
  EXPECT_EQ(ReadLe32(&file[6]), 0u);  // both reserved words
  EXPECT_EQ(ReadLe32(&file[10]), 54u);
  const BitmapHeader h = ParseBitmapHeader(&file[14]);
  EXPECT_EQ(h.size, 40u);
  EXPECT_EQ(h.width, 640);
  EXPECT_EQ(h.height, 480);
  EXPECT_EQ(h.planes, 1);
  EXPECT_EQ(h.bitCount, 24);
  EXPECT_EQ(h.compression, 0u);
  EXPECT_EQ(h.sizeImage, 1920u * 480u);
  EXPECT_EQ(h.clrUsed, 0u);
  // The rows as held: bottom-up, the canvas block's bytes after the file header.
  EXPECT_EQ(0, std::memcmp(&file[14], canvas.canvasImage.Data(), canvas.canvasImage.size));
  EXPECT_FALSE(Exists(path + ".part"));
}

TEST(PictureFile, RoundTripThroughTheReaderAndALyingSizeField) {
  const std::string path = TempDir() + "/Round.sam";
  CanvasImage painted = PatternCanvas(11);
  ASSERT_EQ(WritePictureFile(Real(), path.c_str(), painted.canvasImage.Data(), painted.canvasImage.size), 1);
  std::vector<uint8_t> file = Bytes(path);
  for (uint32_t lie : {921654u, 0u, 12u, 0xFFFFFFFFu}) {
    WriteLe32(&file[2], lie);
    CanvasImage opened;
    ASSERT_EQ(OpenPictureBytes(&opened, file.data(), file.size()), 1);
    EXPECT_EQ(opened.pictureModified, 0);
    ASSERT_EQ(opened.canvasImage.size, painted.canvasImage.size);
    EXPECT_EQ(0, std::memcmp(opened.canvasImage.Data() + 40, painted.canvasImage.Data() + 40,
                             painted.canvasImage.size - 40)) << "size field " << lie;
  }
}

TEST(PictureFile, RefusesBlocksThatAreNotTheCanvasLayout) {
  const std::string path = TempDir() + "/Bad.sam";
  CanvasImage canvas = PatternCanvas(1);
  EXPECT_EQ(WritePictureFile(Real(), path.c_str(), nullptr, 0), 0);
  EXPECT_EQ(WritePictureFile(Real(), path.c_str(), canvas.canvasImage.Data(), canvas.canvasImage.size - 1), 0);
  EXPECT_FALSE(Exists(path));
}

// Every way a save can stop half way keeps the previous picture byte for byte and leaves no
// temporary file.
TEST(PictureFile, AFailedSaveKeepsThePreviousPictureWhole) {
  const std::string dir = TempDir(), path = dir + "/Kept.sam";
  CanvasImage before = PatternCanvas(5), after = PatternCanvas(9);
  ASSERT_EQ(WritePictureFile(Real(), path.c_str(), before.canvasImage.Data(), before.canvasImage.size), 1);
  const std::vector<uint8_t> old = Bytes(path);
  struct Fault {
    int write;
    bool flush, replace;
  } faults[] = {{1, false, false}, {2, false, false}, {0, true, false}, {0, false, true}};
  for (const Fault& f : faults) {
    failWriteAt = f.write;
    writesSeen = 0;
    failFlush = f.flush;
    failReplace = f.replace;
    EXPECT_EQ(WritePictureFile(&kFaulty, path.c_str(), after.canvasImage.Data(), after.canvasImage.size), 0);
    EXPECT_EQ(Bytes(path), old) << "write " << f.write << " flush " << f.flush << " move " << f.replace;
    EXPECT_FALSE(Exists(path + ".part"));
  }
  failWriteAt = 0;
  failFlush = failReplace = false;
  // A folder that can't be written into: nothing is created at all.
  EXPECT_EQ(WritePictureFile(Real(), (dir + "/no such box/x.sam").c_str(), after.canvasImage.Data(),
                             after.canvasImage.size), 0);
  // And the seam working again replaces the picture.
  ASSERT_EQ(WritePictureFile(&kFaulty, path.c_str(), after.canvasImage.Data(), after.canvasImage.size), 1);
  EXPECT_EQ(0, std::memcmp(Bytes(path).data() + 14, after.canvasImage.Data(), after.canvasImage.size));
}

TEST(RecoveryFile, HeadRoundTripAndThePictureAfterIt) {
  const std::string path = TempDir() + "/recover.dat";
  CanvasImage canvas = PatternCanvas(2);
  ASSERT_EQ(WriteRecoveryFile(Real(), path.c_str(), "MY BOX", "Sample7.sam", canvas.canvasImage.Data(),
                              canvas.canvasImage.size), 1);
  const std::vector<uint8_t> file = Bytes(path);
  RecoveryHead head;
  ASSERT_EQ(ParseRecoveryHead(file.data(), file.size(), &head), 1);
  EXPECT_EQ(head.box, "MY BOX");
  EXPECT_EQ(head.name, "Sample7.sam");
  ASSERT_EQ(file.size() - head.pictureOffset, kPictureFileSize);
  CanvasImage opened;
  ASSERT_EQ(OpenPictureBytes(&opened, file.data() + head.pictureOffset, file.size() - head.pictureOffset), 1);
  EXPECT_EQ(0, std::memcmp(opened.canvasImage.Data(), canvas.canvasImage.Data(), canvas.canvasImage.size));
  // An empty box is allowed (the library's own folder); an empty or overlong name is not.
  std::string out;
  EXPECT_EQ(BuildRecoveryHead("", "a.sam", &out), 1);
  EXPECT_EQ(BuildRecoveryHead("box", "", &out), 0);
  EXPECT_EQ(BuildRecoveryHead("box", std::string(80, 'n').c_str(), &out), 0);
}

TEST(RecoveryFile, RefusesWhatIsNotOne) {
  std::string head;
  ASSERT_EQ(BuildRecoveryHead("B", "n.sam", &head), 1);
  RecoveryHead out;
  const uint8_t* p = reinterpret_cast<const uint8_t*>(head.data());
  EXPECT_EQ(ParseRecoveryHead(p, head.size(), &out), 1);
  for (size_t cut = 0; cut < head.size(); ++cut) EXPECT_EQ(ParseRecoveryHead(p, cut, &out), 0) << cut;
  std::string wrong = head;
  wrong[0] = 'X';
  EXPECT_EQ(ParseRecoveryHead(reinterpret_cast<const uint8_t*>(wrong.data()), wrong.size(), &out), 0);
  wrong = head;
  wrong[4] = 2;  // a later version
  EXPECT_EQ(ParseRecoveryHead(reinterpret_cast<const uint8_t*>(wrong.data()), wrong.size(), &out), 0);
  wrong = head;
  wrong[8] = 0;  // no picture name
  EXPECT_EQ(ParseRecoveryHead(reinterpret_cast<const uint8_t*>(wrong.data()), wrong.size(), &out), 0);
  wrong = head;
  wrong[10] = '\0';  // a terminator inside the box name
  EXPECT_EQ(ParseRecoveryHead(reinterpret_cast<const uint8_t*>(wrong.data()), wrong.size(), &out), 0);
}

// A recovery copy is only opened when its picture is exactly what the writer makes: a torn or
// foreign picture never reaches the paper.
TEST(RecoveryFile, OnlyAWholePictureAsTheWriterMakesItPasses) {
  const std::string path = TempDir() + "/whole.sam";
  CanvasImage canvas = PatternCanvas(3);
  ASSERT_EQ(WritePictureFile(Real(), path.c_str(), canvas.canvasImage.Data(), canvas.canvasImage.size), 1);
  std::vector<uint8_t> file = Bytes(path);
  ASSERT_TRUE(IsWholeCanvasPictureFile(file.data(), file.size()));
  for (size_t cut = 0; cut < file.size(); ++cut)
    if (IsWholeCanvasPictureFile(file.data(), cut)) ADD_FAILURE() << "cut at " << cut;
  file.push_back(0);
  EXPECT_FALSE(IsWholeCanvasPictureFile(file.data(), file.size())) << "one byte more";
  file.pop_back();
  for (size_t i = 0; i < 54; ++i) {
    file[i] ^= 0x01;
    EXPECT_FALSE(IsWholeCanvasPictureFile(file.data(), file.size())) << "header byte " << i;
    file[i] ^= 0x01;
  }
  file[54] ^= 0xFF;  // pixels are the painting: any value is whole
  EXPECT_TRUE(IsWholeCanvasPictureFile(file.data(), file.size()));
  EXPECT_FALSE(IsWholeCanvasPictureFile(nullptr, file.size()));
}

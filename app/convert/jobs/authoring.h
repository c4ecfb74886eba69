// The disc made of converted videos: subtitles rendered onto their titles
// with spumux, the titles authored with dvdauthor into a VIDEO_TS folder, and
// the folder written into an ISO image, each tool run asynchronously with
// its progress read as it comes.
//
// Everything is made in the run's private work folder, beside the disc's
// place, and moved there only at the very end, once every title has been
// read back and the image's listing matches the folder; cancel or a failure
// removes it, so no unfinished disc is ever left under the disc's name.
#pragma once

#include "jobs/toolprocess.h"
#include "model/disc.h"
#include "model/plan.h"
#include "model/presets.h"
#include "model/srt.h"
#include "model/subtitles.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace convert {

struct DiscTitle {
    QString mpeg;          // the converted program stream
    QString title;         // shown to the user
    float duration = 0;    // seconds
    QString aspect;        // "4:3" or "16:9"
    QStringList audioLanguages; // of each sound track, as dvdauthor takes them ("fr"); empty when unknown
    QStringList subpictureLanguages; // of the source's own subpictures in the program stream
    QString subtitlePath;  // where the cues came from; empty for none
    QList<Cue> cues;       // read already; empty for none
};

struct DiscJob {
    Preset preset;
    DiscSettings settings;
    QString destination;   // the folder the disc goes into
    QList<DiscTitle> titles;
    bool makeImage = true; // an ISO image too, when a tool for it is there
};

// The disc of the converted jobs, in their order, with the subtitles found
// for their sources.
DiscJob discJobFor(const QList<JobSettings> &jobs, const QHash<QString, SubtitleTrack> &subtitles,
                   const DiscSettings &settings, const QString &destination);

// Share of the whole run (conversions, then the disc) that the disc takes in
// the progress shown: its tools copy, where the encoder computes.
constexpr float kDiscShareOfRun = 0.1f;

class DiscAuthoring : public ToolProcess {
    Q_OBJECT
public:
    explicit DiscAuthoring(const DiscJob &job, QObject *parent = nullptr);
    // Destroyed while running: stops its tool and removes what it made.
    ~DiscAuthoring() override;

    // Things the user should know that did not stop the disc.
    QStringList remarks() const { return m_remarks; }
    // What was asked for and is missing from a finished disc: subtitles that
    // could not be rendered, an image that could not be made. A disc with
    // problems is a failed run, though the disc is kept.
    QStringList problems() const;
    // The disc folder (holding VIDEO_TS) and the ISO image once finished;
    // the image is empty when none was made.
    QString folder() const { return m_folder; }
    QString image() const { return m_image; }
    // The folder everything is made in until the end.
    QString workFolder() const { return m_scratch; }
    // "Authoring the DVD"...; empty before the start.
    QString stepText() const { return m_stepText; }

    void start();

signals:
    void stepChanged(const QString &text);

protected:
    void toolLine(const QString &line) override;
    void toolEnded(int exitCode, QProcess::ExitStatus status) override;
    void finishing(State state) override;
    Said notStartedText(const QString &program, const QString &why) const override;

private:
    enum class Kind { Subtitles, Authoring, CheckTitle, Image, CheckImage };
    struct Step {
        Kind kind;
        int title = -1;
        double weight = 0;
    };

    bool toolsAreThere();
    bool makeScratch();
    void planSteps();
    void runStep(int index);
    bool announce(const QString &text);
    void startSubtitles(const Step &step);
    void startAuthoring();
    void startTitleCheck(const Step &step);
    void startImage();
    void startImageCheck();
    QProcess *startTool(const QString &program, const QStringList &arguments);
    bool progressLine(const Step &step, const QString &line);
    void subtitlesEnded(const Step &step, bool ok, int exitCode, QProcess::ExitStatus status);
    bool titleReadsBack(const Step &step, int exitCode, QProcess::ExitStatus status);
    Said imageProblem() const;
    Said toolReason(int exitCode, QProcess::ExitStatus status) const;
    void stepDone();
    void setStepProgress(float fraction);
    bool prepareAuthoring();
    void finishDisc();
    void removeUnfinished();
    QString titleFile(int title, const QString &suffix) const;
    QStringList titleVobs(int title) const;

    DiscJob m_job;
    QStringList m_remarks;
    QList<Said> m_problems; // logged in English when the disc ends
    QString m_stepText;
    QString m_scratch;      // in the work folder: the title links, the tools' files
    QString m_partialDisc;  // <scratch>/DVD, holding VIDEO_TS
    QString m_partialImage; // <scratch>/DVD.iso
    QString m_folder;
    QString m_image;
    QString m_isoTool;
    QList<Step> m_steps;
    QList<bool> m_subtitled;
    int m_step = -1;
    double m_doneWeight = 0;
    double m_totalWeight = 0;
    double m_authoredMB = 0;     // titlesets dvdauthor has finished
    double m_titlesetMB = 0;     // where it is in the current one
    double m_decodedSeconds = 0; // how far the check of a title has read
    QByteArray m_listing;        // the image's listing, read back
};

} // namespace convert

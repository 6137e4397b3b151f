#include "field_to_office/record_formats.h"

RecordFormatWriter::RecordFormatWriter(OfficeFilter filter, const KTWTaquiRequest& request,
                       const std::function<bool()>& opcionFieldWorks, BufferedOutput& out) {
    switch (filter) {
        case OfficeFilter::SDR:
            WriteSDRHeader(request.entrada, out);
            sdr_.emplace();
            break;
        case OfficeFilter::Calco:
            calco_.emplace(request.entrada, request.salida, out);
            break;
        case OfficeFilter::FieldWorks:
            fieldWorks_.emplace(opcionFieldWorks ? opcionFieldWorks() : false);
            WriteFieldWorksHeader(out);
            break;
        default:
            break;
    }
}

void RecordFormatWriter::Write(KTWDecoderState& state, BufferedOutput& out) {
    if (sdr_) sdr_->Write(state, out);
    if (calco_) calco_->Write(state, out);
    if (fieldWorks_) fieldWorks_->Write(state, out);
}

void RecordFormatWriter::Finish(BufferedOutput& out) {
    if (sdr_) sdr_->Finish(out);
    if (calco_) return calco_->Commit(out);
    out.Commit();
}

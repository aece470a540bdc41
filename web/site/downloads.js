// The results file, saved as a download under the name the game gives it.
export function download(fileName, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: "text/plain" }));
  const link = document.createElement("a");
  link.href = url;
  link.download = fileName;
  link.hidden = true;
  document.getElementById("client").append(link);
  link.click();
  link.remove();
  // The browser has taken the bytes once the download started.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

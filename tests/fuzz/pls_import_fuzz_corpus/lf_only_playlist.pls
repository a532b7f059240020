[playlist]
File1=x.mp3
File2=*.mp3
File3=../y.mp3
File4=C:\Music\a.mp3
